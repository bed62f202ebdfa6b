#include "layout/file_message.h"

#include "common/string_source.h"
#include "common/text.h"
#include "resources/resource.h"

namespace vorlant {

std::string CannotSaveMessage(const StringSource& strings, std::string_view fileName) {
    return FillIn(strings.Load(IDS_WRITE_FAILED), fileName);
}

std::string CannotSaveMessage(const StringSource& strings, const std::vector<std::string>& fileNames) {
    std::string text;
    for (const std::string& fileName : fileNames) {
        if (!text.empty()) text += "\n\n";
        text += CannotSaveMessage(strings, fileName);
    }
    return text;
}

}  // namespace vorlant
