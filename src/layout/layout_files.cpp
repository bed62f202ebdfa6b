#include "layout/layout_files.h"

namespace vorlant {

CardLayout LayoutFiles::Load(int version, const StringSource& strings) {
    CardLayout layout;
    layout.LoadOrDefault(version, strings, folder_);
    files_[version].Read(layout);
    return layout;
}

FileSave LayoutFiles::Save(int version, const CardLayout& layout) {
    return files_[version].Save(layout, [&](const CardLayout& written) { return written.WriteFile(version, folder_); });
}

}  // namespace vorlant
