#include "ui/campaign/CampaignBox.h"

#include "core/campaign/CampaignCheck.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignSettings.h"
#include "core/campaign/MissionName.h"
#include "core/mission/MissionReader.h"
#include "core/saving/FileBounds.h"
#include "core/text/FileKind.h"
#include "ui/campaign/AskTitleBox.h"
#include "ui/controls/SingleLine.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/PageFrame.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/DiskMissionFolder.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtText.h"
#include "ui/preview/PreviewOpening.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vornask {
namespace {

template <typename Control> Control* Named(Control* control, const char* objectName) {
    control->setObjectName(QLatin1String(objectName));
    return control;
}

// Return and Enter press the focused button, as Space does. A default button would do that
// too, but Qt keeps the last one focused as the default afterwards, and Return in a box must
// not press "Save" and leave the editor.
class PressOnReturn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (!key->isAutoRepeat())
            static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

QPushButton* MakeButton(const char* objectName, const QString& caption) {
    auto* button = Named(new QPushButton(caption), objectName);
    button->setAutoDefault(false);
    button->installEventFilter(new PressOnReturn(button));
    button->setMinimumWidth(90);
    return button;
}

QAction* MakeAction(QMenu* menu, const char* objectName, const QString& caption,
                    const QKeySequence& keys = {}) {
    auto* action = Named(new QAction(caption, menu), objectName);
    action->setEnabled(false);
    // Shown beside the caption; the tree's own shortcut does the work.
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    menu->addAction(action);
    return action;
}

// The tree's columns: the mission's title, and the name of its file, which the guide holds.
enum Column { TitleColumn, FileColumn };

// The file column only shows the name the guide holds: renaming edits the title, and a file
// name comes from "Add" alone.
class ShownOnly : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        return nullptr;
    }
};

constexpr QKeyCombination kMoveUpKeys = Qt::ALT | Qt::Key_Up;
constexpr QKeyCombination kMoveDownKeys = Qt::ALT | Qt::Key_Down;

// At most this many findings are named in one box; the rest are counted.
constexpr int kFindingsShown = 12;

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TCampaignBox", not "vornask::TCampaignBox".
using namespace vornask;

TCampaignBox::TCampaignBox(WindowOwner& windows)
    : windows_(windows),
      openDialog1_(this, MissionFilesDialog(FileDialogKind::Open, QStringLiteral("OpenDialog1"))),
      openDialog2_(this, CampaignFilesDialog(FileDialogKind::Open, QStringLiteral("OpenDialog2"))) {
    SetUpDialog(*this, QStringLiteral("CampaignBox"), tr("VORNASK Creator"), OnEscape::KeepOpen);
    BuildControls();
    ConnectHandlers();
}

void TCampaignBox::BuildControls() {
    const CampaignSettings start;

    titleBox_ = Named(new QLineEdit(FromAnsi(start.title)), "TitleBox");
    sequential_ = Named(new QCheckBox(tr("Sequential")), "Sequential");
    sequential_->setChecked(start.Sequential);
    sequential_->setToolTip(tr("ie. Play a map after you've finished the previous map"));

    campaignView_ = Named(new QTreeWidget, "CampaignView");
    campaignView_->setColumnCount(2);
    campaignView_->setHeaderLabels({tr("Title"), tr("File")});
    campaignView_->header()->setStretchLastSection(false);
    campaignView_->header()->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    campaignView_->header()->setSectionResizeMode(FileColumn, QHeaderView::Interactive);
    campaignView_->header()->resizeSection(FileColumn, 100);
    campaignView_->setIndentation(19);
    campaignView_->setContextMenuPolicy(Qt::CustomContextMenu);
    campaignView_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed);
    campaignView_->setItemDelegateForColumn(FileColumn, new ShownOnly(campaignView_));
    campaignView_->setToolTip(tr("Right click to delete or rename"));
    campaignView_->addTopLevelItem(new QTreeWidgetItem(QStringList{FromAnsi(start.title)}));

    treeViewPopup_ = Named(new QMenu(this), "TreeViewPopup");
    deleteAction_ = MakeAction(treeViewPopup_, "Delete", tr("&Delete Selected"));
    renameAction_ = MakeAction(treeViewPopup_, "Rename", tr("&Rename"));
    treeViewPopup_->addSeparator();
    moveUpAction_ = MakeAction(treeViewPopup_, "MoveUp", tr("Move &Up"), kMoveUpKeys);
    moveDownAction_ = MakeAction(treeViewPopup_, "MoveDown", tr("Move Do&wn"), kMoveDownKeys);

    campaignHeader_ = Named(new QLineEdit(FromAnsi(start.CampaignHeader)), "CampaignHeader");
    campaignText_ = MakeTextBox(QStringLiteral("CampaignText"));
    SetMemoLines(*campaignText_, start.CampaignText);
    campaignText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    addTreeItemBox_ = Named(new QLineEdit, "AddTreeItemBox");
    for (QLineEdit* edit : {titleBox_, campaignHeader_, addTreeItemBox_})
        KeepOnOneLine(*edit);
    campaignView_->setItemDelegate(new TSingleLineItemDelegate(campaignView_));

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(new QLabel(tr("Title:")));
    titleRow->addWidget(titleBox_, 1);
    auto* treeColumn = new QVBoxLayout;
    treeColumn->addLayout(titleRow);
    treeColumn->addWidget(sequential_);
    treeColumn->addWidget(campaignView_, 1);

    auto* intro = Named(new QGroupBox(tr("Campaign Intro")), "GroupBox1");
    auto* introLayout = new QFormLayout(intro);
    introLayout->addRow(tr("Header:"), campaignHeader_);
    introLayout->addRow(tr("Text:"), campaignText_);
    introLayout->addRow(vornask::PreviewRow(PreviewButton()));

    auto* addMission = Named(new QGroupBox(tr("Add Mission")), "GroupBox2");
    auto* addButtons = new QHBoxLayout;
    addButtons->addStretch();
    addButtons->addWidget(MakeButton("Button3", tr("Browse")));
    addButtons->addWidget(MakeButton("Button2", tr("Add")));
    auto* addLayout = new QVBoxLayout(addMission);
    addLayout->addWidget(addTreeItemBox_);
    addLayout->addLayout(addButtons);

    auto* editColumn = new QVBoxLayout;
    editColumn->addWidget(intro, 1);
    editColumn->addWidget(addMission);

    auto* columns = new QHBoxLayout;
    columns->addLayout(treeColumn, 1);
    columns->addSpacing(8);
    columns->addLayout(editColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MakeButton("Button4", tr("New Mission")));
    buttons->addWidget(MakeButton("OpenButton", tr("Open")));
    buttons->addWidget(MakeButton("Button5", tr("Check")));
    buttons->addWidget(MakeButton("Button1", tr("Save")));

    auto* frame = new QVBoxLayout(this);
    frame->addWidget(MakeHeading(tr("Campaign")), 0, Qt::AlignLeft);
    frame->addLayout(columns, 1);
    frame->addLayout(buttons);
    resize(620, 430);
}

QPushButton* TCampaignBox::PreviewButton() {
    QPushButton* button = MakeButton("PreviewButton", tr("Pre&view"));
    OpenPreviewOnClick(*button, *this, windows_, [this] { return CampaignPreview(windows_); },
                       {campaignHeader_, campaignText_, sequential_, campaignView_});
    return button;
}

void TCampaignBox::ConnectHandlers() {
    const auto onClick = [this](const char* objectName, void (TCampaignBox::*handler)()) {
        connect(findChild<QPushButton*>(QLatin1String(objectName)), &QPushButton::clicked, this,
                handler);
    };
    onClick("Button1", &TCampaignBox::SaveIt);
    onClick("Button2", &TCampaignBox::AddTreeItem);
    onClick("Button3", &TCampaignBox::OpenMission);
    onClick("Button4", &TCampaignBox::CreateNewMission);
    onClick("OpenButton", &TCampaignBox::OpenCampaign);
    onClick("Button5", &TCampaignBox::CheckCampaign);
    connect(addTreeItemBox_, &QLineEdit::returnPressed, this, &TCampaignBox::AddTreeItem);

    connect(titleBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        Settings().title = Captured(text, Lost(), {TextField::CampaignTitle});
        ChangeMainNode();
    });
    connect(campaignHeader_, &QLineEdit::textChanged, this, [this](const QString& text) {
        Settings().CampaignHeader = Captured(text, Lost(), {TextField::CampaignHeader});
    });
    connect(campaignText_, &QPlainTextEdit::textChanged, this, [this] {
        Settings().CampaignText = MemoLines(*campaignText_);
        RecordMemo(*campaignText_, Lost(), {TextField::CampaignText});
    });
    connect(sequential_, &QCheckBox::toggled, this,
            [this](bool checked) { Settings().Sequential = checked; });

    connect(campaignView_, &QTreeWidget::customContextMenuRequested, this, [this](QPoint at) {
        treeViewPopup_->popup(campaignView_->viewport()->mapToGlobal(at));
    });
    connect(treeViewPopup_, &QMenu::aboutToShow, this, &TCampaignBox::EnableOrDisable);
    connect(deleteAction_, &QAction::triggered, this, &TCampaignBox::DeleteNode);
    // Delete on the tree does what the pop-up's "Delete" does; not while a name is edited.
    new QShortcut(QKeySequence::Delete, campaignView_, this, &TCampaignBox::DeleteNode,
                  Qt::WidgetShortcut);
    connect(renameAction_, &QAction::triggered, this, &TCampaignBox::RenameNode);
    connect(moveUpAction_, &QAction::triggered, this, &TCampaignBox::MoveUp);
    connect(moveDownAction_, &QAction::triggered, this, &TCampaignBox::MoveDown);
    new QShortcut(kMoveUpKeys, campaignView_, this, &TCampaignBox::MoveUp, Qt::WidgetShortcut);
    new QShortcut(kMoveDownKeys, campaignView_, this, &TCampaignBox::MoveDown, Qt::WidgetShortcut);
    connect(campaignView_, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* node, int column) {
                if (column == TitleColumn)
                    MissionNodeEdited(node);
            });
}

int TCampaignBox::OpenFromStart(const CampaignFileReading* opened, const QString& path) {
    SetValues();
    if (opened)
        ShowCampaign(*opened, path);
    // Wherever the last visit left it, as a page opens in its first box.
    FocusAsTabWould(*titleBox_);
    return exec();
}

void TCampaignBox::SetValues() {
    openDialog1_.setDirectory(windows_.DialogFolder());
    for (QAction* action : treeViewPopup_->actions())
        action->setEnabled(false);
    StartNewCampaign(Settings());
    Lost().Clear();
    windows_.SetCampaignFile({});
    ShowSettings();
    addTreeItemBox_->clear();
}

// Fills the controls from the campaign's settings. A copy is shown: the controls' handlers
// write back into the settings as they change.
void TCampaignBox::ShowSettings() {
    const CampaignSettings shown = Settings();
    qDeleteAll(MainNode()->takeChildren());
    MainNode()->setText(TitleColumn, FromAnsi(shown.title));
    titleBox_->setText(FromAnsi(shown.title));
    sequential_->setChecked(shown.Sequential);
    campaignHeader_->setText(FromAnsi(shown.CampaignHeader));
    SetMemoLines(*campaignText_, shown.CampaignText);
    for (const CampaignMission& mission : shown.missions)
        AddMissionNode(FromAnsi(mission.title), FromAnsi(mission.name));
    Settings() = shown;
}

void TCampaignBox::ShowCampaign(const CampaignFileReading& opened, const QString& path) {
    const bool sequential = opened.sequential.value_or(Settings().Sequential);
    Settings() = opened.settings;
    Settings().Sequential = sequential;
    // The file's values are 8-bit text already: nothing of the replaced campaign's is lost.
    Lost().Clear();
    ShowSettings();
    windows_.SetCampaignFile(path, opened.document);
}

void TCampaignBox::OpenCampaign() {
    const std::optional<QString> path = ChooseFile(openDialog2_.get(windows_.DialogFolder()));
    if (!path)
        return;
    const std::optional<FileToOpen> file = LoadFileToOpen(this, *path);
    if (!file)
        return;
    // A mission file has no [Overview]: the reader refuses it.
    CampaignFileReading reading = ReadCampaignFile(file->bytes, file->decoding);
    if (AcceptReading(this, *path, reading.report))
        ShowCampaign(reading, *path);
}

void TCampaignBox::ChangeMainNode() {
    MainNode()->setText(TitleColumn, titleBox_->text());
}

void TCampaignBox::OpenMission() {
    if (const std::optional<QString> chosen = ChooseFile(openDialog1_.get()))
        addTreeItemBox_->setText(*chosen);
}

void TCampaignBox::AddTreeItem() {
    if (addTreeItemBox_->text().isEmpty()) {
        ShowInformation(this, tr("Please enter a filename or browse for a file."));
        return;
    }
    if (AddMission(addTreeItemBox_->text()))
        addTreeItemBox_->clear();
}

bool TCampaignBox::AddMission(const QString& file) {
    TAskTitleBox& askTitle = windows_.AskTitleBox();
    if (const std::optional<QString> title = TitleOfMissionFile(file))
        askTitle.MapTitleBox()->setText(*title);
    askTitle.exec();
    if (Settings().missions.size() >= static_cast<std::size_t>(kMaxCampaignMissions)) {
        ShowWarning(this, tr("Woah! Too many missions! What the hell are you doing?"));
        return false;
    }
    const int position = static_cast<int>(Settings().missions.size());
    const std::string name =
        GetMissionName(Captured(file, Lost(), {TextField::MissionFile, position}));
    const QString title = askTitle.MapTitleBox()->text();
    Settings().missions.push_back(
        {Captured(title, Lost(), {TextField::MissionTitle, position}), name});
    AddMissionNode(title, FromAnsi(name));
    return true;
}

std::optional<QString> TCampaignBox::TitleOfMissionFile(const QString& file) const {
    QString path = file;
    if (!file.contains(QLatin1Char('/')) && !file.contains(QLatin1Char('\\'))) {
        DiskMissionFolder folder(windows_.DialogFolder());
        const std::optional<std::string> found =
            FolderIndex(folder.Names()).MissionFile(GetMissionName(ToAnsi(file)));
        if (!found)
            return std::nullopt;
        path = folder.PathOf(*found);
    } else if (!QFileInfo::exists(path)) {
        // A path typed without its extension names the mission file as a bare name does.
        path += QLatin1String(kMissionFileExtension);
    }
    const std::optional<std::string> bytes = ReadFileQuietly(path);
    if (!bytes)
        return std::nullopt;
    // No one is asked here: text that reads as UTF-8 is taken for what its writer meant.
    const MissionFileReading reading =
        ReadMissionFile(*bytes, LooksLikeUtf8(*bytes) ? TextDecoding::Utf8 : TextDecoding::Detect);
    if (reading.report.refusal || reading.settings.general.title.empty())
        return std::nullopt;
    return FromAnsi(reading.settings.general.title);
}

void TCampaignBox::AddMissionNode(const QString& title, const QString& name) {
    auto* node = new QTreeWidgetItem(QStringList{title, name});
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    MainNode()->addChild(node);
    MainNode()->setExpanded(true);
    campaignView_->scrollToItem(node);
}

void TCampaignBox::EnableOrDisable() {
    const int position = SelectedMission();
    const bool missionSelected = position >= 0;
    deleteAction_->setEnabled(missionSelected);
    renameAction_->setEnabled(missionSelected);
    moveUpAction_->setEnabled(position > 0);
    moveDownAction_->setEnabled(missionSelected && position + 1 < MainNode()->childCount());
}

void TCampaignBox::DeleteNode() {
    const int position = SelectedMission();
    if (position < 0)
        return;
    auto& missions = Settings().missions;
    missions.erase(missions.begin() + position);
    Lost().RemoveItem(TextField::MissionTitle, position);
    Lost().RemoveItem(TextField::MissionFile, position);
    delete MainNode()->takeChild(position);
}

void TCampaignBox::RenameNode() {
    const int position = SelectedMission();
    if (position >= 0)
        campaignView_->editItem(MainNode()->child(position), TitleColumn);
}

void TCampaignBox::MoveUp() {
    MoveMission(-1);
}

void TCampaignBox::MoveDown() {
    MoveMission(1);
}

// The mission trades places with its neighbour: its settings entry (the guide line it came
// from and its own condition with it), its node and what its captures lost all move together.
void TCampaignBox::MoveMission(int step) {
    const int from = SelectedMission();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= MainNode()->childCount())
        return;
    auto& missions = Settings().missions;
    std::swap(missions[static_cast<std::size_t>(from)], missions[static_cast<std::size_t>(to)]);
    Lost().SwapItems(TextField::MissionTitle, from, to);
    Lost().SwapItems(TextField::MissionFile, from, to);
    QTreeWidgetItem* node = MainNode()->takeChild(from);
    MainNode()->insertChild(to, node);
    campaignView_->setCurrentItem(node);
    campaignView_->scrollToItem(node);
}

void TCampaignBox::CreateNewMission() {
    windows_.RunMissionWizard();
    const QString saved = windows_.SavedMissionFile();
    if (!saved.isEmpty() &&
        AskQuestion(this, tr("Add %1 to the campaign?").arg(QDir::toNativeSeparators(saved)), false,
                    Answer::Yes) == Answer::Yes)
        AddMission(saved);
}

void TCampaignBox::CheckCampaign() {
    const std::vector<CampaignFinding> findings = FindProblems();
    ShowInformation(this, findings.empty() ? tr("Every mission file was found.")
                                           : FindingsText(findings));
}

void TCampaignBox::SaveIt() {
    const std::vector<CampaignFinding> findings = FindProblems();
    if (!findings.empty() &&
        AskQuestion(this, FindingsText(findings) + QStringLiteral("\n\n") + tr("Save anyway?"),
                    false) != Answer::Yes)
        return;
    windows_.OpenNext(*this);
}

QString TCampaignBox::MissionsFolder() const {
    const QString& guide = windows_.CampaignFile();
    return guide.isEmpty() ? windows_.DialogFolder() : QFileInfo(guide).absolutePath();
}

std::vector<CampaignFinding> TCampaignBox::FindProblems() const {
    DiskMissionFolder folder(MissionsFolder());
    return vornask::CheckCampaign(windows_.Campaign(), folder);
}

QString TCampaignBox::FindingsText(const std::vector<CampaignFinding>& findings) const {
    QString text = tr("Looked for the missions in %1:")
                       .arg(QDir::toNativeSeparators(QDir(MissionsFolder()).absolutePath()));
    const auto& missions = windows_.Campaign().missions;
    const int shown = std::min(static_cast<int>(findings.size()), kFindingsShown);
    for (int i = 0; i < shown; ++i) {
        const CampaignFinding& finding = findings[static_cast<std::size_t>(i)];
        const QString mission = tr("Mission %1, \"%2\"")
                                    .arg(finding.mission + 1)
                                    .arg(FromAnsi(missions[finding.mission].title));
        const QString file = QString::fromStdString(finding.file);
        QString what;
        switch (finding.kind) {
        case CampaignFindingKind::MissingFile:
            what = tr("%1: there is no %2 in that folder.").arg(mission, file);
            break;
        case CampaignFindingKind::CannotRead:
            what = tr("%1: %2 cannot be read: %3")
                       .arg(mission, file, QString::fromStdString(finding.reason));
            break;
        case CampaignFindingKind::NotAMission:
            what = tr("%1: %2 cannot be read as a mission: %3")
                       .arg(mission, file, RefusalText(*finding.refusal));
            break;
        case CampaignFindingKind::NeverDone:
            what = tr("%1: %2 never marks itself done, so mission %3 would never open.")
                       .arg(mission, file, QString::number(finding.next + 1));
            break;
        }
        text += QStringLiteral("\n\n") + what;
    }
    if (findings.size() > static_cast<std::size_t>(shown))
        text += QStringLiteral("\n\n") +
                tr("... and %n more.", nullptr, static_cast<int>(findings.size()) - shown);
    return text;
}

void TCampaignBox::MissionNodeEdited(QTreeWidgetItem* node) {
    if (node->parent() != MainNode())
        return;
    const auto position = static_cast<std::size_t>(MainNode()->indexOfChild(node));
    if (position < Settings().missions.size())
        Settings().missions[position].title = Captured(
            node->text(TitleColumn), Lost(), {TextField::MissionTitle, static_cast<int>(position)});
}

CampaignSettings& TCampaignBox::Settings() {
    return windows_.Campaign();
}

LostCharacters& TCampaignBox::Lost() {
    return windows_.CampaignLost();
}

QTreeWidgetItem* TCampaignBox::MainNode() const {
    return campaignView_->topLevelItem(0);
}

int TCampaignBox::SelectedMission() const {
    const QList<QTreeWidgetItem*> selected = campaignView_->selectedItems();
    if (selected.size() != 1 || selected.front()->parent() != MainNode())
        return -1;
    return MainNode()->indexOfChild(selected.front());
}
