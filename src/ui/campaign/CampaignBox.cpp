#include "ui/campaign/CampaignBox.h"

#include "core/campaign/CampaignCheck.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignSettings.h"
#include "core/campaign/CampaignWriter.h"
#include "core/campaign/MissionName.h"
#include "core/check/FileCheck.h"
#include "core/mission/MissionReader.h"
#include "core/saving/FileBounds.h"
#include "core/saving/FileToSave.h"
#include "core/text/FileKind.h"
#include "ui/campaign/AskTitleBox.h"
#include "ui/controls/SingleLine.h"
#include "ui/pages/FindingsBox.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/PageFrame.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/CheckTexts.h"
#include "ui/platform/DiskMissionFolder.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtText.h"
#include "ui/preview/PreviewOpening.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
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
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QUndoStack>
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
constexpr QKeyCombination kUndoKeys = Qt::CTRL | Qt::Key_Z;
constexpr QKeyCombination kRedoKeys = Qt::CTRL | Qt::SHIFT | Qt::Key_Z;

// The title a node was last given, to tell a rename from the node's other changes.
constexpr int kCommittedTitle = Qt::UserRole;

// One step of the editor's history.
class RowEdit : public QUndoCommand {
public:
    RowEdit(const QString& what, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(what), redo_(std::move(redo)), undo_(std::move(undo)) {}
    void redo() override { redo_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_;
    std::function<void()> undo_;
};

// Ctrl+Z and Ctrl+Shift+Z undo the editor's last step also in the box a mission was added from,
// once that box has no typing of its own left to undo.
class UndoWhereNothingToUndo : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* box = static_cast<QLineEdit*>(watched);
        const QKeyCombination keys = key->keyCombination();
        return (keys == kUndoKeys && !box->isUndoAvailable()) ||
               (keys == kRedoKeys && !box->isRedoAvailable());
    }
};

// The file name part of what the user typed or chose: no folder, no ".english".
QString MissionNameOf(const QString& file) {
    return QString::fromStdString(GetMissionName(file.toStdString()));
}

// The folder of a path the user typed or chose, when it names one that exists.
QString FolderOfPath(const QString& file) {
    const QString path = QDir::fromNativeSeparators(file);
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        return {};
    const QDir folder(cut == 0 ? QStringLiteral("/") : path.left(cut));
    return folder.exists() ? folder.absolutePath() : QString();
}

// At most this many findings are named in one box; the rest are counted.
constexpr int kFindingsShown = 12;

} // namespace

bool AgreesToDropCampaign(QWidget& window) {
    return AskQuestion(&window, TCampaignBox::tr("Close without saving?"), false) == Answer::Yes;
}

} // namespace vornask

// Global T-classes: Qt reports "TCampaignBox", not "vornask::TCampaignBox".
using namespace vornask;

TCampaignBox::TCampaignBox(WindowOwner& windows)
    : windows_(windows),
      openDialog1_(this, MissionFilesDialog(FileDialogKind::Open, QStringLiteral("OpenDialog1"))),
      openDialog2_(this, CampaignFilesDialog(FileDialogKind::Open, QStringLiteral("OpenDialog2"))),
      history_(new QUndoStack(this)) {
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
    // Every row is as high as the first: the tree need not measure thousands of them.
    campaignView_->setUniformRowHeights(true);
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
    treeViewPopup_->addSeparator();
    const std::pair<QAction*, QKeySequence> historyActions[] = {
        {Named(history_->createUndoAction(treeViewPopup_, tr("U&ndo")), "Undo"), kUndoKeys},
        {Named(history_->createRedoAction(treeViewPopup_, tr("Red&o")), "Redo"), kRedoKeys},
    };
    for (const auto& [action, keys] : historyActions) {
        // Shown beside the caption; the editor's own shortcut does the work.
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        treeViewPopup_->addAction(action);
    }

    campaignHeader_ = Named(new QLineEdit(FromAnsi(start.CampaignHeader)), "CampaignHeader");
    campaignText_ = MakeTextBox(QStringLiteral("CampaignText"));
    SetMemoLines(*campaignText_, start.CampaignText);
    campaignText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    addTreeItemBox_ = Named(new QLineEdit, "AddTreeItemBox");
    addTreeItemBox_->installEventFilter(new UndoWhereNothingToUndo(addTreeItemBox_));
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
    // Anywhere in the editor but in a box with typing of its own to undo.
    new QShortcut(kUndoKeys, this, history_, &QUndoStack::undo);
    new QShortcut(kRedoKeys, this, history_, &QUndoStack::redo);
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
    for (QAction* action : {deleteAction_, renameAction_, moveUpAction_, moveDownAction_})
        action->setEnabled(false);
    StartNewCampaign(Settings());
    Lost().Clear();
    windows_.SetCampaignFile({});
    ShowSettings();
    addTreeItemBox_->clear();
    StartHistory();
}

// Fills the controls from the campaign's settings. A copy is shown: the controls' handlers
// write back into the settings as they change.
void TCampaignBox::ShowSettings() {
    const CampaignSettings shown = Settings();
    qDeleteAll(MainNode()->takeChildren());
    MainNode()->setText(TitleColumn, FromAnsi(shown.title));
    ShowWhole(*titleBox_, FromAnsi(shown.title));
    sequential_->setChecked(shown.Sequential);
    ShowWhole(*campaignHeader_, FromAnsi(shown.CampaignHeader));
    SetMemoLines(*campaignText_, shown.CampaignText);
    // All rows at once: one by one, the tree lays itself out again for each.
    QList<QTreeWidgetItem*> nodes;
    nodes.reserve(static_cast<qsizetype>(shown.missions.size()));
    for (const CampaignMission& row : shown.missions)
        nodes.append(MakeNode({row, FromAnsi(row.title), FromAnsi(row.name)}));
    MainNode()->addChildren(nodes);
    MainNode()->setExpanded(true);
    Settings() = shown;
}

void TCampaignBox::ShowCampaign(const CampaignFileReading& opened, const QString& path) {
    Settings() = opened.settings;
    // The file's values are 8-bit text already: nothing of the replaced campaign's is lost.
    Lost().Clear();
    windows_.SetCampaignFile(path, opened.document);
    ShowSettings();
    StartHistory();
}

void TCampaignBox::StartHistory() {
    history_->clear();
    started_ = Settings();
    addedFromFolder_.clear();
}

bool TCampaignBox::HoldsUnsavedWork() const {
    return !history_->isClean() || windows_.Campaign() != started_;
}

void TCampaignBox::closeEvent(QCloseEvent* event) {
    // Closed by the program (after saving, or by the finish window) it asks nothing.
    if (event->spontaneous() && HoldsUnsavedWork() && !AgreesToDropCampaign(*this)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
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
    if (!AcceptReading(this, *path, reading.report))
        return;
    // The guide replaces the campaign and its undo history: unsaved work goes only on "Yes".
    if (HoldsUnsavedWork() && !AgreesToDropCampaign(*this))
        return;
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
    // Emptied as typing, so that Ctrl+Z in the box then undoes the "Add".
    if (AddMission(addTreeItemBox_->text()))
        addTreeItemBox_->setText({});
}

bool TCampaignBox::AddMission(const QString& file) {
    const QString name = MissionNameOf(file);
    TAskTitleBox& askTitle = windows_.AskTitleBox();
    ShowWhole(*askTitle.MapTitleBox(), TitleOfMissionFile(file).value_or(name));
    if (askTitle.exec() != QDialog::Accepted)
        return false;
    if (MissionCount() >= kMaxCampaignMissions) {
        ShowWarning(this, tr("Woah! Too many missions! What the hell are you doing?"));
        return false;
    }
    if (addedFromFolder_.isEmpty())
        addedFromFolder_ = FolderOfPath(file);
    const QString title = askTitle.MapTitleBox()->text();
    const TreeRow row{{ToAnsi(title), ToAnsi(name)}, title, name};
    const int position = MainNode()->childCount();
    PushEdit(
        tr("Add"),
        [this, position, row] {
            InsertRow(position, row);
            SelectRow(position);
        },
        [this, position] { RemoveRow(position); });
    return true;
}

std::optional<QString> TCampaignBox::TitleOfMissionFile(const QString& file) const {
    QString path = file;
    if (!file.contains(QLatin1Char('/')) && !file.contains(QLatin1Char('\\'))) {
        path.clear();
        for (const QString& folderPath : MissionFolders()) {
            DiskMissionFolder folder(folderPath);
            if (const std::optional<std::string> found =
                    FolderIndex(folder.Names()).MissionFile(GetMissionName(ToAnsi(file)))) {
                path = folder.PathOf(*found);
                break;
            }
        }
        if (path.isEmpty())
            return std::nullopt;
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

int TCampaignBox::MissionCount() const {
    const auto& rows = windows_.Campaign().missions;
    return static_cast<int>(std::count_if(
        rows.begin(), rows.end(), [](const CampaignMission& row) { return row.startsMission; }));
}

void TCampaignBox::PushEdit(const QString& what, std::function<void()> redo,
                            std::function<void()> undo) {
    history_->push(new RowEdit(what, std::move(redo), std::move(undo)));
}

// A mission shows its title and file; a row that starts no mission its label, greyed. Either
// tells in its hint what the guide holds beyond what it shows.
QTreeWidgetItem* TCampaignBox::MakeNode(const TreeRow& row) const {
    auto* node = new QTreeWidgetItem(QStringList{row.title, row.file});
    node->setData(TitleColumn, kCommittedTitle, row.title);
    const CampaignDocument* guide = windows_.OpenedCampaign();
    const bool fromGuide = guide && row.row.source && *row.row.source < guide->missions.size();
    const RowAsWritten written = fromGuide ? RowOf(*guide, *row.row.source) : RowAsWritten{};
    QString hint;
    if (!row.row.startsMission) {
        for (int column : {TitleColumn, FileColumn})
            node->setForeground(column,
                                campaignView_->palette().brush(QPalette::Disabled, QPalette::Text));
        hint = tr("This row of the guide starts no mission: the game shows it as it is. "
                  "It can be moved or deleted.");
        if (fromGuide)
            hint += QStringLiteral("\n") + FromAnsi(std::string(written.row));
    } else {
        node->setFlags(node->flags() | Qt::ItemIsEditable);
        if (!written.conditions.empty())
            hint = tr("The game shows this mission only while the conditions before it on its "
                      "line hold: %1")
                       .arg(FromAnsi(std::string(written.conditions)));
    }
    if (!hint.isEmpty())
        for (int column : {TitleColumn, FileColumn})
            node->setToolTip(column, hint);
    return node;
}

TCampaignBox::TreeRow TCampaignBox::RowAt(int position) const {
    const QTreeWidgetItem* node = MainNode()->child(position);
    return {windows_.Campaign().missions[static_cast<std::size_t>(position)],
            node->text(TitleColumn), node->text(FileColumn)};
}

// The row's entry in the settings, its node and what its captures lost stay together.
void TCampaignBox::InsertRow(int position, const TreeRow& row) {
    auto& rows = Settings().missions;
    rows.insert(rows.begin() + position, row.row);
    for (const auto& [field, text] : {std::pair(TextField::MissionTitle, row.title),
                                      std::pair(TextField::MissionFile, row.file)}) {
        Lost().InsertItem(field, position);
        Lost().Record({field, position}, text.toStdU16String());
    }
    MainNode()->insertChild(position, MakeNode(row));
    MainNode()->setExpanded(true);
}

void TCampaignBox::RemoveRow(int position) {
    auto& rows = Settings().missions;
    rows.erase(rows.begin() + position);
    Lost().RemoveItem(TextField::MissionTitle, position);
    Lost().RemoveItem(TextField::MissionFile, position);
    delete MainNode()->takeChild(position);
}

void TCampaignBox::SwapRows(int a, int b) {
    auto& rows = Settings().missions;
    std::swap(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)]);
    Lost().SwapItems(TextField::MissionTitle, a, b);
    Lost().SwapItems(TextField::MissionFile, a, b);
    const int first = std::min(a, b);
    QTreeWidgetItem* node = MainNode()->takeChild(std::max(a, b));
    MainNode()->insertChild(first, node);
    MainNode()->insertChild(std::max(a, b), MainNode()->takeChild(first + 1));
}

void TCampaignBox::SetRowTitle(int position, const QString& title) {
    QTreeWidgetItem* node = MainNode()->child(position);
    {
        const QSignalBlocker notARename(campaignView_);
        node->setText(TitleColumn, title);
        node->setData(TitleColumn, kCommittedTitle, title);
    }
    Settings().missions[static_cast<std::size_t>(position)].title =
        Captured(title, Lost(), {TextField::MissionTitle, position});
}

void TCampaignBox::SelectRow(int position) {
    QTreeWidgetItem* node = MainNode()->child(position);
    campaignView_->setCurrentItem(node);
    campaignView_->scrollToItem(node);
}

void TCampaignBox::EnableOrDisable() {
    const int position = SelectedRow();
    const bool rowSelected = position >= 0;
    deleteAction_->setEnabled(rowSelected);
    renameAction_->setEnabled(
        rowSelected && Settings().missions[static_cast<std::size_t>(position)].startsMission);
    moveUpAction_->setEnabled(position > 0);
    moveDownAction_->setEnabled(rowSelected && position + 1 < MainNode()->childCount());
}

void TCampaignBox::DeleteNode() {
    const int position = SelectedRow();
    if (position < 0)
        return;
    const TreeRow row = RowAt(position);
    PushEdit(
        tr("Delete"), [this, position] { RemoveRow(position); },
        [this, position, row] {
            InsertRow(position, row);
            SelectRow(position);
        });
}

void TCampaignBox::RenameNode() {
    const int position = SelectedRow();
    if (position >= 0 && Settings().missions[static_cast<std::size_t>(position)].startsMission)
        campaignView_->editItem(MainNode()->child(position), TitleColumn);
}

void TCampaignBox::MoveUp() {
    MoveMission(-1);
}

void TCampaignBox::MoveDown() {
    MoveMission(1);
}

// The row trades places with its neighbour: its settings entry (the guide line it came from
// and its own condition with it), its node and what its captures lost all move together. A
// mission that waits for the one before it waits for its new neighbour.
void TCampaignBox::MoveMission(int step) {
    const int from = SelectedRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= MainNode()->childCount())
        return;
    PushEdit(
        tr("Move"),
        [this, from, to] {
            SwapRows(from, to);
            SelectRow(to);
        },
        [this, from, to] {
            SwapRows(from, to);
            SelectRow(from);
        });
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
    const std::optional<FileCheck> check = FindProblems();
    if (!check) {
        ShowInformation(this, tr("The game's folder is not known, so there is no folder to look "
                                 "for the missions in: open the guide from the folder the game "
                                 "reads, or add the missions by their paths."));
        return;
    }
    if (check->refusal) {
        ShowError(this, FindingsText(*check));
        return;
    }
    const QStringList findings = FindingLines(*check);
    if (findings.isEmpty()) {
        ShowInformation(this, tr("Nothing found: every mission file was found, and the game will "
                                 "read the guide and its missions as you meant them, as far as "
                                 "the check can tell."));
        return;
    }
    TFindingsBox box;
    box.ShowOver(*this, FindingsSummary(), findings);
}

void TCampaignBox::SaveIt() {
    const CampaignDocument* guide = windows_.OpenedCampaign();
    if (!SpaceLinesStartingSections(*campaignText_, guide && guide->intro.FirstLineBehindTag()))
        return;
    const std::optional<FileCheck> check = FindProblems();
    if (check && (check->refusal || check->Count() > 0) &&
        AskQuestion(this, FindingsText(*check) + QStringLiteral("\n\n") + tr("Save anyway?"),
                    false) != Answer::Yes)
        return;
    windows_.OpenNext(*this);
}

QStringList TCampaignBox::MissionFolders() const {
    QStringList folders;
    if (const QString& guide = windows_.CampaignFile(); !guide.isEmpty())
        folders << QFileInfo(guide).absolutePath();
    if (!addedFromFolder_.isEmpty())
        folders << addedFromFolder_;
    // Without the game, the dialogs' folder is one relative to wherever the program started.
    if (const QString game = windows_.DialogFolder(); QDir::isAbsolutePath(game))
        folders << QDir(game).absolutePath();
    return folders;
}

std::optional<FileCheck> TCampaignBox::FindProblems() const {
    const QStringList folders = MissionFolders();
    if (folders.isEmpty())
        return std::nullopt;
    DiskMissionFolder folder(folders.front());
    const TextDocument guide = CampaignFileToSave(windows_.Campaign(), windows_.OpenedCampaign());
    return CheckGuide(guide.Bytes(), {folder});
}

QString TCampaignBox::FindingsSummary() const {
    return tr("Looked for the missions in %1. What the game would read otherwise than you meant, "
              "in the guide's file as it will be saved and in the files of its missions:")
        .arg(QDir::toNativeSeparators(MissionFolders().front()));
}

QStringList TCampaignBox::FindingLines(const FileCheck& check) const {
    return vornask::FindingLines(check, [this, &check](const Finding& finding) {
        return finding.campaign ? MissionFindingText(*finding.campaign, check.guideRows)
                                : FindingText(finding);
    });
}

QString TCampaignBox::MissionFindingText(const CampaignFinding& finding,
                                         const std::vector<CampaignMission>& rows) const {
    // Missions are numbered by their place among the missions, as the guide numbers them.
    const auto number = [&rows](std::size_t row) {
        return QString::number(
            std::count_if(rows.begin(), rows.begin() + row + 1,
                          [](const CampaignMission& r) { return r.startsMission; }));
    };
    const QString mission =
        tr("Mission %1, \"%2\"")
            .arg(number(finding.mission), FromAnsi(rows[finding.mission].title));
    const QString file = QString::fromStdString(finding.file);
    switch (finding.kind) {
    case CampaignFindingKind::MissingFile:
        return tr("%1: there is no %2 in that folder.").arg(mission, file);
    case CampaignFindingKind::CannotRead:
        return tr("%1: %2 cannot be read: %3")
            .arg(mission, file, QString::fromStdString(finding.reason));
    case CampaignFindingKind::NotAMission:
        return tr("%1: %2 cannot be read as a mission: %3")
            .arg(mission, file, RefusalText(*finding.refusal));
    case CampaignFindingKind::NeverDone:
        return tr("%1: %2 never marks itself done, so mission %3 would never open.")
            .arg(mission, file, number(finding.other));
    case CampaignFindingKind::WaitsForLater:
        // It opens once that one is done, which may be played first: out of order, not never.
        return tr("%1: it opens only once mission %2, which comes after it, is done: the "
                  "campaign is not played in the order of its missions, and if mission %2 waits "
                  "for it, neither ever opens.")
            .arg(mission, number(finding.other));
    }
    return {};
}

QString TCampaignBox::FindingsText(const FileCheck& check) const {
    if (check.refusal)
        return tr("The check cannot read the guide's file: %1").arg(RefusalText(*check.refusal));
    const QStringList findings = FindingLines(check);
    QString text = FindingsSummary();
    for (const QString& finding : findings.mid(0, kFindingsShown))
        text += QStringLiteral("\n\n") + finding;
    if (findings.size() > kFindingsShown)
        text += QStringLiteral("\n\n") +
                tr("... and %n more.", nullptr, static_cast<int>(findings.size()) - kFindingsShown);
    return text;
}

// An in-place rename, once the user has typed it: a step of the history.
void TCampaignBox::MissionNodeEdited(QTreeWidgetItem* node) {
    if (node->parent() != MainNode())
        return;
    const int position = MainNode()->indexOfChild(node);
    const QString before = node->data(TitleColumn, kCommittedTitle).toString();
    const QString after = node->text(TitleColumn);
    if (after == before)
        return;
    PushEdit(
        tr("Rename"), [this, position, after] { SetRowTitle(position, after); },
        [this, position, before] { SetRowTitle(position, before); });
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

int TCampaignBox::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = campaignView_->selectedItems();
    if (selected.size() != 1 || selected.front()->parent() != MainNode())
        return -1;
    return MainNode()->indexOfChild(selected.front());
}
