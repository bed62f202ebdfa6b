#include "layout/file_message.h"

#include "common/string_source.h"
#include "resources/resource.h"

namespace vorlant {

std::string FileMessage(std::string_view pattern, std::string_view fileName) {
    std::string text(pattern);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, fileName);
    return text;
}

std::string CannotSaveMessage(const StringSource& strings, std::string_view fileName) {
    return FileMessage(strings.Load(IDS_WRITE_FAILED), fileName);
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
