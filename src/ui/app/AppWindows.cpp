#include "ui/app/AppWindows.h"

#include "core/campaign/CampaignReader.h"
#include "core/mission/MissionReader.h"
#include "core/registry/InstallFolder.h"
#include "ui/app/HelpBox.h"
#include "ui/app/StartBox.h"
#include "ui/campaign/AskTitleBox.h"
#include "ui/campaign/CampaignBox.h"
#include "ui/campaign/CampaignFinished.h"
#include "ui/campaign/ViewCampaignSource.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/Texts.h"
#include "ui/preview/PreviewBox.h"
#include "ui/wizard/AdvancedAIOptions.h"
#include "ui/wizard/FifthBox.h"
#include "ui/wizard/FirstBox.h"
#include "ui/wizard/FourthBox.h"
#include "ui/wizard/SecondBox.h"
#include "ui/wizard/SixthBox.h"
#include "ui/wizard/ThirdBox.h"
#include "ui/wizard/ViewSourceBox.h"

#include <algorithm>
#include <functional>

namespace vornask {
namespace {

// `window`, made first when it has not been, with `arguments`.
template <class Window, class... Arguments>
Window& Made(std::unique_ptr<Window>& window, Arguments&... arguments) {
    if (!window)
        window = std::make_unique<Window>(arguments...);
    return *window;
}

// A window made as above whose close by the user asks `owner` first (`mayClose`): whether the
// work it would drop may go.
template <class Window>
Window& MadeGuarded(std::unique_ptr<Window>& window, AppWindows& owner,
                    bool (AppWindows::*mayClose)(QWidget&)) {
    if (!window) {
        window = std::make_unique<Window>(owner);
        TPageFrame& frame = *window;
        frame.GuardClosing([&owner, &frame, mayClose] { return (owner.*mayClose)(frame); });
    }
    return *window;
}

// The windows take their owner as one whose values they change.
AppWindows& Owner(const AppWindows& windows) {
    return const_cast<AppWindows&>(windows);
}

} // namespace

AppWindows::AppWindows() : startBox_(std::make_unique<TStartBox>(*this)) {}

AppWindows::~AppWindows() = default;

TFirstBox& AppWindows::FirstBox() const {
    return MadeGuarded(firstBox_, Owner(*this), &AppWindows::MayAbandonMission);
}
TSecondBox& AppWindows::SecondBox() const {
    return MadeGuarded(secondBox_, Owner(*this), &AppWindows::MayAbandonMission);
}
TThirdBox& AppWindows::ThirdBox() const {
    return MadeGuarded(thirdBox_, Owner(*this), &AppWindows::MayAbandonMission);
}
THelpBox& AppWindows::HelpBox() const {
    return Made(helpBox_);
}
TFourthBox& AppWindows::FourthBox() const {
    return MadeGuarded(fourthBox_, Owner(*this), &AppWindows::MayAbandonMission);
}
TAdvancedAIOptions& AppWindows::AdvancedAIOptions() const {
    return Made(advancedAIOptions_, Owner(*this));
}
TFifthBox& AppWindows::FifthBox() const {
    return MadeGuarded(fifthBox_, Owner(*this), &AppWindows::MayAbandonMission);
}
TCampaignBox& AppWindows::CampaignBox() const {
    return Made(campaignBox_, Owner(*this));
}
TSixthBox& AppWindows::SixthBox() const {
    return MadeGuarded(sixthBox_, Owner(*this), &AppWindows::MayAbandonMission);
}
TViewSourceBox& AppWindows::ViewSourceBox() const {
    return MadeGuarded(viewSourceBox_, Owner(*this), &AppWindows::MayAbandonMission);
}
TAskTitleBox& AppWindows::AskTitleBox() const {
    return Made(askTitleBox_);
}
TCampaignFinished& AppWindows::CampaignFinished() const {
    return MadeGuarded(campaignFinished_, Owner(*this), &AppWindows::MayDropCampaign);
}
TViewCampaignSource& AppWindows::ViewCampaignSource() const {
    return MadeGuarded(viewCampaignSource_, Owner(*this), &AppWindows::MayDropCampaign);
}
TPreviewBox& AppWindows::PreviewBox() {
    return Made(previewBox_);
}

int AppWindows::OpenNext(QWidget& from) {
    const std::pair<const QWidget*, std::function<TPageFrame&()>> successors[] = {
        {firstBox_.get(), [this]() -> TPageFrame& { return SecondBox(); }},
        {secondBox_.get(), [this]() -> TPageFrame& { return ThirdBox(); }},
        {thirdBox_.get(), [this]() -> TPageFrame& { return FourthBox(); }},
        {fourthBox_.get(), [this]() -> TPageFrame& { return FifthBox(); }},
        {fifthBox_.get(), [this]() -> TPageFrame& { return SixthBox(); }},
        {campaignBox_.get(), [this]() -> TPageFrame& { return CampaignFinished(); }},
    };
    for (const auto& [window, next] : successors)
        if (window == &from)
            return next().OpenFromPrevious(&from);
    return QDialog::Rejected;
}

void AppWindows::CloseMissionWizard() {
    // A page never made has no modal loop to end.
    QWidget* const pages[] = {firstBox_.get(), secondBox_.get(), thirdBox_.get(), fourthBox_.get(),
                              fifthBox_.get()};
    for (QWidget* page : pages)
        if (page)
            page->close();
}

void AppWindows::OpenFile(const QString& path) {
    QWidget* const parent = startBox_.get();
    const std::optional<FileToOpen> file = LoadFileToOpen(parent, path);
    if (!file)
        return;
    if (file->kind == FileKind::CampaignGuide) {
        CampaignFileReading reading = ReadCampaignFile(file->bytes, file->decoding);
        if (AcceptReading(parent, path, reading.report))
            CampaignBox().OpenFromStart(&reading, path);
        return;
    }
    // Anything else is read as a mission file, which refuses what is none.
    MissionFileReading reading = ReadMissionFile(file->bytes, file->decoding);
    if (!AcceptReading(parent, path, reading.report))
        return;
    StartMission(reading.settings, path, std::move(reading.document));
    SecondBox().OpenFromPrevious();
}

void AppWindows::RunMissionWizard() {
    StartMission();
    FirstBox().OpenFromPrevious();
}

bool AppWindows::MissionHoldsTyping() const {
    // A page never made holds nothing typed.
    const TWizardPage* const pages[] = {secondBox_.get(), thirdBox_.get(), fourthBox_.get(),
                                        fifthBox_.get(), sixthBox_.get()};
    return std::any_of(std::begin(pages), std::end(pages),
                       [](const TWizardPage* page) { return page && page->HoldsTyping(); }) ||
           AdvancedValuesChanged() ||
           (viewSourceBox_ && viewSourceBox_->isVisible() && viewSourceBox_->Edited());
}

bool AppWindows::MayAbandonMission(QWidget& page) {
    return !MissionHoldsTyping() ||
           AskQuestion(&page, Texts::tr("Abandon this mission? What you typed is lost."), false) ==
               Answer::Yes;
}

bool AppWindows::MayDropCampaign(QWidget& window) {
    const bool unsaved =
        (campaignBox_ && campaignBox_->HoldsUnsavedWork()) ||
        (viewCampaignSource_ && viewCampaignSource_->isVisible() && viewCampaignSource_->Edited());
    return !unsaved || AgreesToDropCampaign(window);
}

bool AppWindows::MayQuit() {
    return !(viewCampaignSource_ && viewCampaignSource_->isVisible()) ||
           MayDropCampaign(*viewCampaignSource_);
}

void AppWindows::ShowSaved(const QString& file) {
    startBox_->ShowSaved(file);
}

QString AppWindows::DialogFolder() const {
    startBox_->GameSearch().Wait();
    return QString::fromStdString(LocalDialogFolder(startBox_->InstallDir, startBox_->GamePrefix));
}

} // namespace vornask
