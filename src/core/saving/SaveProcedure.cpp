#include "core/saving/SaveProcedure.h"

#include "core/text/TextLines.h"

namespace vornask {

std::optional<std::string> GermanCopyPath(const std::string& path) {
    const std::size_t lastSeparator = path.find_last_of("/\\");
    const std::size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
    const std::size_t eng = path.find(".eng", nameStart);
    if (eng == std::string::npos)
        return std::nullopt;
    return path.substr(0, eng) + ".german";
}

namespace {

enum class Attempt { Saved, TryAgain, GiveUp, WriteFailed };

bool WriteOrReport(const std::string& path, const std::string& bytes, SaveUser& user,
                   FileStore& files) {
    if (const auto reason = files.Write(path, bytes)) {
        user.ReportError("Cannot create file " + path + ": " + *reason);
        return false;
    }
    return true;
}

Attempt TryOnce(const std::string& bytes, bool duplicate, SaveUser& user, FileStore& files) {
    const std::optional<std::string> path = user.AskFileName();
    if (!path)
        return user.Confirm("Sure you don't want to save?", false) == Answer::Yes
                   ? Attempt::GiveUp
                   : Attempt::TryAgain;
    if (files.Exists(*path) && user.Confirm("Overwrite " + *path + "?", true) != Answer::Yes)
        return Attempt::TryAgain;
    if (duplicate) {
        const std::optional<std::string> copy = GermanCopyPath(*path);
        if (!copy) {
            user.Warn("You didn't use an .english file extension!");
            return Attempt::TryAgain;
        }
        if (!WriteOrReport(*copy, bytes, user, files))
            return Attempt::WriteFailed;
    }
    if (!WriteOrReport(*path, bytes, user, files))
        return Attempt::WriteFailed;
    return Attempt::Saved;
}

} // namespace

SaveResult SaveLinesToFile(const std::vector<std::string>& lines, bool duplicate, SaveUser& user,
                           FileStore& files) {
    const std::string bytes = JoinLinesCrLf(lines);
    SaveResult result;
    for (;;) {
        switch (TryOnce(bytes, duplicate, user, files)) {
        case Attempt::Saved:
            result.saved = true;
            return result;
        case Attempt::GiveUp:
            return result;
        case Attempt::WriteFailed:
            result.writeFailed = true;
            break;
        case Attempt::TryAgain:
            break;
        }
    }
}

} // namespace vornask
