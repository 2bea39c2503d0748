// The save procedure's decisions, answered by a scripted user, writing into a temporary
// folder through the real file store.
#include "core/saving/SaveProcedure.h"
#include "ui/platform/DiskFileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <deque>
#include <sys/resource.h>

using namespace vornask;

namespace {

// Answers the procedure from a script and records what it was asked, with the temporary
// folder written as "<dir>".
class ScriptedUser : public SaveUser {
public:
    ScriptedUser(const QString& dir, std::deque<std::optional<QString>> names,
                 std::deque<Answer> answers)
        : dir_(dir), names_(std::move(names)), answers_(std::move(answers)) {}

    std::optional<std::string> AskFileName() override {
        log << QStringLiteral("dialog");
        if (names_.empty() || log.size() > 40) {
            log << QStringLiteral("unscripted dialog");
            return std::nullopt;
        }
        const std::optional<QString> name = names_.front();
        names_.pop_front();
        if (!name)
            return std::nullopt;
        return (dir_ + QLatin1Char('/') + *name).toStdString();
    }
    Answer Confirm(const std::string& question, bool withCancel) override {
        log << QStringLiteral("confirm%1:").arg(withCancel ? "YNC" : "YN") + Relative(question);
        if (answers_.empty()) {
            log << QStringLiteral("unscripted answer");
            return Answer::Yes;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void Warn(const std::string& message) override {
        log << QStringLiteral("warn:") + Relative(message);
    }
    void ReportError(const std::string& message) override {
        log << QStringLiteral("error:") + Relative(message);
    }

    QStringList log;

private:
    QString Relative(const std::string& text) const {
        return QString::fromStdString(text).replace(dir_, QStringLiteral("<dir>"));
    }

    QString dir_;
    std::deque<std::optional<QString>> names_;
    std::deque<Answer> answers_;
};

// The real store, recording the order of the writes.
class RecordingStore : public FileStore {
public:
    RecordingStore(const QString& dir, QStringList& log) : dir_(dir), log_(log) {}
    bool Exists(const std::string& path) override { return disk_.Exists(path); }
    std::optional<std::string> Write(const std::string& path, const std::string& bytes) override {
        log_ << QStringLiteral("write:") +
                    QString::fromStdString(path).replace(dir_, QStringLiteral("<dir>"));
        return disk_.Write(path, bytes);
    }

private:
    DiskFileStore disk_;
    QString dir_;
    QStringList& log_;
};

const std::vector<std::string> kLines = {"[Header]", "title = \"M\xE9ine\"", "", "[END]"};
const QByteArray kBytes("[Header]\r\ntitle = \"M\xE9ine\"\r\n\r\n[END]\r\n");
const QString kSure = QStringLiteral("confirmYN:Sure you don't want to save?");
const QString kWrongExtension = QStringLiteral("warn:You didn't use an .english file extension!");

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList FilesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

struct Run {
    SaveResult result;
    QStringList log;
};

Run Save(const QString& dir, bool duplicate, std::deque<std::optional<QString>> names,
         std::deque<Answer> answers, const std::vector<std::string>& lines = kLines) {
    ScriptedUser user(dir, std::move(names), std::move(answers));
    RecordingStore files(dir, user.log);
    const SaveResult result = SaveLinesToFile(lines, duplicate, user, files);
    return {result, user.log};
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class SaveProcedureTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> temp_;
    QString dir_;

private slots:
    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temp_->isValid());
        dir_ = temp_->path();
    }

    void germanCopyNameIsCutFromTheFileNameOnly_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("copy");
        QTest::newRow("english") << "/maps/mission.english"
                                 << "/maps/mission.german";
        QTest::newRow("engine") << "/maps/test.engine"
                                << "/maps/test.german";
        QTest::newRow("first .eng") << "/maps/a.eng.english"
                                    << "/maps/a.german";
        QTest::newRow("folder old.eng") << "/maps/old.eng/m.english"
                                        << "/maps/old.eng/m.german";
        QTest::newRow("windows folder") << "C:\\x.eng\\Guide1.english"
                                        << "C:\\x.eng\\Guide1.german";
        QTest::newRow("capitals") << "/maps/M.ENGLISH"
                                  << "";
        QTest::newRow("only the folder") << "/maps/old.eng/notes.txt"
                                         << "";
    }
    void germanCopyNameIsCutFromTheFileNameOnly() {
        QFETCH(QString, path);
        QFETCH(QString, copy);
        const auto result = GermanCopyPath(path.toStdString());
        QCOMPARE(result ? QString::fromStdString(*result) : QString(), copy);
    }

    void bareNameWritesTheGermanCopyFirstThenTheFile() {
        // The dialog has added the default extension to the typed "mission".
        const Run run = Save(dir_, true, {"mission.english"}, {});
        QVERIFY(run.result.saved);
        QCOMPARE(run.log, QStringList({"dialog", "write:<dir>/mission.german",
                                       "write:<dir>/mission.english"}));
        QCOMPARE(Contents(dir_ + "/mission.english"), kBytes);
        QCOMPARE(Contents(dir_ + "/mission.german"), kBytes);
        QCOMPARE(FilesIn(dir_), QStringList({"mission.english", "mission.german"}));
    }

    void cancellingAsksWhetherToGiveUp() {
        const Run run = Save(dir_, true, {std::nullopt, std::nullopt}, {Answer::No, Answer::Yes});
        QVERIFY(!run.result.saved);
        QVERIFY(!run.result.writeFailed);
        QCOMPARE(run.log, QStringList({"dialog", kSure, "dialog", kSure}));
        QVERIFY(FilesIn(dir_).isEmpty());

        const Run second = Save(dir_, false, {std::nullopt, "late.english"}, {Answer::No});
        QVERIFY(second.result.saved);
        QCOMPARE(second.log, QStringList({"dialog", kSure, "dialog", "write:<dir>/late.english"}));
    }

    void existingFileIsReplacedOnlyAfterYes_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Cancel") << Answer::Cancel;
        QTest::newRow("Yes") << Answer::Yes;
    }
    void existingFileIsReplacedOnlyAfterYes() {
        QFETCH(Answer, answer);
        Put(dir_ + "/mission.english", "old\r\n");
        const Run run = Save(dir_, true, {"mission.english", std::nullopt}, {answer, Answer::Yes});
        const QString overwrite = "confirmYNC:Overwrite <dir>/mission.english?";
        if (answer == Answer::Yes) {
            QVERIFY(run.result.saved);
            QCOMPARE(run.log, QStringList({"dialog", overwrite, "write:<dir>/mission.german",
                                           "write:<dir>/mission.english"}));
            QCOMPARE(Contents(dir_ + "/mission.english"), kBytes);
        } else {
            QVERIFY(!run.result.saved);
            QCOMPARE(run.log, QStringList({"dialog", overwrite, "dialog", kSure}));
            QCOMPARE(Contents(dir_ + "/mission.english"), QByteArray("old\r\n"));
            QCOMPARE(FilesIn(dir_), QStringList({"mission.english"}));
        }
    }

    void existingGermanCopyIsReplacedWithoutAsking() {
        Put(dir_ + "/mission.german", "old copy\r\n");
        const Run run = Save(dir_, true, {"mission.english"}, {});
        QCOMPARE(run.log, QStringList({"dialog", "write:<dir>/mission.german",
                                       "write:<dir>/mission.english"}));
        QCOMPARE(Contents(dir_ + "/mission.german"), kBytes);
    }

    void extensionDecidesTheCopy_data() {
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("files");
        const QStringList refused = {"dialog", kWrongExtension, "dialog", kSure};
        QTest::newRow("capitals") << true << "MISSION.ENGLISH" << refused << QStringList();
        QTest::newRow("no .eng") << true << "notes.txt" << refused << QStringList();
        QTest::newRow("engine") << true << "test.engine"
                                << QStringList({"dialog", "write:<dir>/test.german",
                                                "write:<dir>/test.engine"})
                                << QStringList({"test.engine", "test.german"});
        QTest::newRow("no copy wanted")
            << false << "notes.txt" << QStringList({"dialog", "write:<dir>/notes.txt"})
            << QStringList({"notes.txt"});
    }
    void extensionDecidesTheCopy() {
        QFETCH(bool, duplicate);
        QFETCH(QString, name);
        QFETCH(QStringList, log);
        QFETCH(QStringList, files);
        const Run run = Save(dir_, duplicate, {name, std::nullopt}, {Answer::Yes});
        QCOMPARE(run.log, log);
        QCOMPARE(FilesIn(dir_), files);
        for (const QString& file : files)
            QCOMPARE(Contents(dir_ + '/' + file), kBytes);
    }

    void folderNamedLikeAnExtensionKeepsTheCopyInside() {
        QVERIFY(QDir(dir_).mkdir("old.eng"));
        Put(dir_ + "/old.german", "unrelated\r\n");
        const Run run = Save(dir_, true, {"old.eng/mission.english"}, {});
        QCOMPARE(run.log, QStringList({"dialog", "write:<dir>/old.eng/mission.german",
                                       "write:<dir>/old.eng/mission.english"}));
        QCOMPARE(Contents(dir_ + "/old.german"), QByteArray("unrelated\r\n"));
        QCOMPARE(FilesIn(dir_ + "/old.eng"), QStringList({"mission.english", "mission.german"}));
    }

    void failedWriteIsReportedAndTheDialogReopens_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("reason");
        QTest::newRow("missing folder") << "missing" << ENOENT;
        QTest::newRow("file instead of folder") << "afile" << ENOTDIR;
    }
    void failedWriteIsReportedAndTheDialogReopens() {
        QFETCH(QString, folder);
        QFETCH(int, reason);
        Put(dir_ + "/afile", "x");
        const Run run = Save(dir_, true, {folder + "/mission.english", "mission.english"}, {});
        QVERIFY(run.result.saved);
        QVERIFY(run.result.writeFailed);
        QCOMPARE(run.log.size(), 6);
        QCOMPARE(run.log.mid(0, 2),
                 QStringList({"dialog", "write:<dir>/" + folder + "/mission.german"}));
        // The copy could not be written, so the file itself was not tried.
        QCOMPARE(run.log[2], "error:Cannot create file <dir>/" + folder +
                                 "/mission.german: " + std::strerror(reason));
        QCOMPARE(run.log.mid(3), QStringList({"dialog", "write:<dir>/mission.german",
                                              "write:<dir>/mission.english"}));
        QCOMPARE(Contents(dir_ + "/mission.english"), kBytes);
    }

    void fullDiskLeavesExistingFilesAsTheyWere_data() {
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("copy first") << true;
        QTest::newRow("file alone") << false;
    }
    void fullDiskLeavesExistingFilesAsTheyWere() {
        QFETCH(bool, duplicate);
        const QByteArray oldFile("old mission\r\n"), oldCopy("old copy\r\n");
        Put(dir_ + "/mission.english", oldFile);
        Put(dir_ + "/mission.german", oldCopy);
        const std::vector<std::string> longLines(400, std::string(60, 'x'));

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const Run run = Save(dir_, duplicate, {"mission.english", std::nullopt},
                             {Answer::Yes, Answer::Yes}, longLines);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!run.result.saved);
        QVERIFY(run.result.writeFailed);
        const QString failed = duplicate ? "mission.german" : "mission.english";
        QCOMPARE(run.log.size(), 6);
        QCOMPARE(run.log[3],
                 "error:Cannot create file <dir>/" + failed + ": " + std::strerror(EFBIG));
        QCOMPARE(run.log.mid(4), QStringList({"dialog", kSure}));
        QCOMPARE(Contents(dir_ + "/mission.english"), oldFile);
        QCOMPARE(Contents(dir_ + "/mission.german"), oldCopy);
        QCOMPARE(FilesIn(dir_), QStringList({"mission.english", "mission.german"}));
    }
};

QTEST_GUILESS_MAIN(SaveProcedureTest)
#include "test_save_procedure.moc"
