#include "core/text/FileKind.h"

#include "core/text/FileText.h"
#include "core/text/Markup.h"

namespace vornask {

FileKind DetectFileKind(std::string_view bytes) {
    // UTF-16 holds its headers' letters in two bytes each: they are looked for in its text.
    if (bytes.starts_with(kUtf16LittleEndianMark) || bytes.starts_with(kUtf16BigEndianMark)) {
        ReadReport report;
        const FileText text(bytes, report);
        return report.refusal ? FileKind::Unknown : DetectFileKind(text.Text());
    }
    if (bytes.starts_with(kUtf8ByteOrderMark))
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        if (const auto names = SectionNames(bytes.substr(0, end))) {
            for (const std::string& name : *names) {
                if (name == "header")
                    return FileKind::Mission;
                if (name == "overview")
                    return FileKind::CampaignGuide;
            }
        }
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return FileKind::Unknown;
}

} // namespace vornask
