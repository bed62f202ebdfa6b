#include "layout/layout_files.h"

namespace vorlant {

CardLayout LayoutFiles::Load(int version, const StringSource& strings) {
    CardLayout layout;
    layout.LoadOrDefault(version, strings, folder_);
    held_[version] = layout;
    return layout;
}

LayoutSave LayoutFiles::Save(int version, const CardLayout& layout) {
    if (layout.WriteFile(version, folder_)) {
        held_[version] = layout;
        return LayoutSave::Written;
    }
    // A failed write leaves the old file as it was.
    const auto held = held_.find(version);
    return held != held_.end() && held->second == layout ? LayoutSave::FailedNothingLost
                                                         : LayoutSave::FailedChangesLost;
}

}  // namespace vorlant
