#pragma once

#include "core/campaign/CampaignSettings.h"
#include "ui/platform/FileDialogs.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCloseEvent;
class QUndoStack;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vornask {

class WindowOwner;
struct CampaignFinding;
struct CampaignMission;
struct FileCheck;
struct CampaignFileReading;
class LostCharacters;

// Whether the user lets a campaign's work not saved go: "Close without saving?" over `window`,
// "No" the default.
bool AgreesToDropCampaign(QWidget& window);

} // namespace vornask

// The campaign tree editor: title, intro, "Sequential" and the ordered rows of the campaign
// menu, shown as a tree with one main node and a child per row: the missions, and the rows of an
// opened guide that start none, greyed. It keeps the run's vornask::CampaignSettings equal to
// what it shows. Adding, deleting, renaming and moving rows can be undone.
class TCampaignBox : public QDialog {
    Q_OBJECT
public:
    explicit TCampaignBox(vornask::WindowOwner& windows);

    // Shown from the start window: a new campaign starts, or the one read from the guide file
    // at `path`.
    int OpenFromStart(const vornask::CampaignFileReading* opened = nullptr,
                      const QString& path = {});

    void SetValues();
    void ChangeMainNode();
    void OpenMission();
    void AddTreeItem();
    void EnableOrDisable();
    void DeleteNode();
    void RenameNode();
    void MoveUp();
    void MoveDown();
    void CreateNewMission();
    // "Check": whether the game will find and play every mission of the campaign, and read the
    // guide and its missions' files as the user meant them.
    void CheckCampaign();
    void SaveIt();
    // "Open": replaces the campaign being edited by a guide file's, as "New Campaign" would.
    void OpenCampaign();

    // Whether the campaign holds work not saved: edits since it started or was saved.
    bool HoldsUnsavedWork() const;

protected:
    // Closed by the user (its close control, Alt+F4) while it holds work not saved: asks first.
    void closeEvent(QCloseEvent* event) override;

private:
    // A row as the tree shows it: what the guide gets, and the title and file name as typed.
    struct TreeRow {
        vornask::CampaignMission row;
        QString title;
        QString file;
    };

    void BuildControls();
    // "Pre&view": the guide's overview, its intro and its menu of missions, as a save would
    // write them now.
    QPushButton* PreviewButton();
    void ConnectHandlers();
    vornask::CampaignSettings& Settings();
    void ShowSettings();
    void ShowCampaign(const vornask::CampaignFileReading& opened, const QString& path);
    // A campaign starts: nothing to undo, nothing unsaved.
    void StartHistory();
    // "Add" for the mission file `file`: the title prompt, offering the file's own title when
    // it can be read, else its name, then the mission last in the campaign; whether it was
    // added (not when the prompt was cancelled).
    bool AddMission(const QString& file);
    // The title of the mission file `file` names: a path as it stands, a bare name as the game
    // finds it in the folders the missions are looked for in. None when it cannot be read
    // quietly.
    std::optional<QString> TitleOfMissionFile(const QString& file) const;
    int MissionCount() const;

    // The edits of the rows, each one step of the undo history.
    void PushEdit(const QString& what, std::function<void()> redo, std::function<void()> undo);
    QTreeWidgetItem* MakeNode(const TreeRow& row) const;
    TreeRow RowAt(int position) const;
    void InsertRow(int position, const TreeRow& row);
    void RemoveRow(int position);
    void SwapRows(int a, int b);
    void SetRowTitle(int position, const QString& title);
    void SelectRow(int position);
    void MoveMission(int step);

    // The folders the missions are looked for in, first the one the game would use: the opened
    // guide's, else that of the missions added by path, else the game's "D" folder when the
    // game was found. Never a folder the user did not choose.
    QStringList MissionFolders() const;
    // The check of the guide as it will be saved, its missions looked for in the first of the
    // folders; none when there is no folder to look in.
    std::optional<vornask::FileCheck> FindProblems() const;
    // What the findings are, and the folder the check looked in for the missions.
    QString FindingsSummary() const;
    // Each finding with its line; the guide's own mission rows in the editor's words, which
    // number them among the missions and name them by their titles.
    QStringList FindingLines(const vornask::FileCheck& check) const;
    QString MissionFindingText(const vornask::CampaignFinding& finding,
                               const std::vector<vornask::CampaignMission>& rows) const;
    // For a message box: the summary and the first findings, or why the check could not read
    // the guide.
    QString FindingsText(const vornask::FileCheck& check) const;
    // What the captures of the campaign's fields could not keep.
    vornask::LostCharacters& Lost();
    QTreeWidgetItem* MainNode() const;
    // The selected node's position among the rows, or -1 when no row is selected.
    int SelectedRow() const;
    void MissionNodeEdited(QTreeWidgetItem* node);

    vornask::WindowOwner& windows_;
    QLineEdit* titleBox_;
    QCheckBox* sequential_;
    QTreeWidget* campaignView_;
    QLineEdit* campaignHeader_;
    QPlainTextEdit* campaignText_;
    QLineEdit* addTreeItemBox_;
    vornask::KeptFileDialog openDialog1_;
    vornask::KeptFileDialog openDialog2_;
    QMenu* treeViewPopup_;
    QAction* deleteAction_;
    QAction* renameAction_;
    QAction* moveUpAction_;
    QAction* moveDownAction_;
    QUndoStack* history_;
    // The campaign as it was shown: what "nothing unsaved" compares with.
    vornask::CampaignSettings started_;
    // The folder of the first mission added by a path to a folder, since the campaign started.
    QString addedFromFolder_;
};
