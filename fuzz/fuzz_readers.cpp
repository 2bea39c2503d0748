// Arbitrary bytes through both readers: whatever a file holds, what was read, once saved,
// reads back as the same settings; every line listed as not kept is a line of the file; and
// a refusal comes only with its reason.
#include "Check.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileKind.h"
#include "core/text/TextLines.h"

#include <string_view>

using namespace vornask;

namespace {

void ListedLinesAreTheFilesOwn(const ReadReport& report, std::string_view bytes) {
    ReadReport decoding;
    const FileText file(bytes, decoding);
    const std::vector<std::string_view>& lines = file.Lines();
    std::size_t previous = 0;
    for (const FileLine& line : report.notKept) {
        Check(line.number > previous && line.number <= lines.size());
        Check(lines[line.number - 1] == line.text);
        previous = line.number;
    }
}

void MissionReadsTheSameOnceSaved(std::string_view bytes) {
    const MissionFileReading read = ReadMissionFile(bytes);
    if (read.report.refusal) {
        Check(read.report.refusal->reason != RefusalReason::NoOverviewSection);
        return;
    }
    Check(DetectFileKind(bytes) != FileKind::Unknown);
    ListedLinesAreTheFilesOwn(read.report, bytes);
    MissionLines lines;
    BuildMissionLines(read.settings, lines);
    const MissionFileReading again = ReadMissionFile(JoinLinesCrLf(lines));
    Check(!again.report.refusal && again.settings == read.settings);
}

void CampaignReadsTheSameOnceSaved(std::string_view bytes) {
    const CampaignFileReading read = ReadCampaignFile(bytes);
    if (read.report.refusal) {
        Check(read.report.refusal->reason != RefusalReason::NoHeaderSection);
        return;
    }
    ListedLinesAreTheFilesOwn(read.report, bytes);
    std::vector<std::string> lines;
    BuildCampaignLines(read.settings, lines);
    const CampaignFileReading again = ReadCampaignFile(JoinLinesCrLf(lines));
    Check(!again.report.refusal && again.report.notKept.empty() &&
          again.settings == read.settings && again.sequential == read.sequential);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MissionReadsTheSameOnceSaved(bytes);
    CampaignReadsTheSameOnceSaved(bytes);
    return 0;
}
