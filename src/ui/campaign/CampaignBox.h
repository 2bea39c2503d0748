#pragma once

#include "ui/platform/FileDialogs.h"

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QAction;
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
struct CampaignSettings;
struct CampaignFileReading;
class LostCharacters;

} // namespace vornask

// The campaign tree editor: title, intro, "Sequential" and the ordered missions, shown as a
// tree with one main node and a child per mission. It keeps the run's vornask::CampaignSettings
// equal to what it shows.
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
    // "Check": whether the game will find and play every mission of the campaign.
    void CheckCampaign();
    void SaveIt();
    // "Open": replaces the campaign being edited by a guide file's, as "New Campaign" would.
    void OpenCampaign();

private:
    void BuildControls();
    // "Pre&view": the guide's overview, its intro and its menu of missions, as a save would
    // write them now.
    QPushButton* PreviewButton();
    void ConnectHandlers();
    vornask::CampaignSettings& Settings();
    void ShowSettings();
    void ShowCampaign(const vornask::CampaignFileReading& opened, const QString& path);
    // "Add" for the mission file `file`: the title prompt, offering the file's own title when
    // it can be read, then the mission last in the campaign; whether it was added.
    bool AddMission(const QString& file);
    void AddMissionNode(const QString& title, const QString& name);
    // The title of the mission file `file` names: a path as it stands, a bare name as the game
    // finds it in the folder the open dialog starts in. None when it cannot be read quietly.
    std::optional<QString> TitleOfMissionFile(const QString& file) const;
    void MoveMission(int step);
    // The folder the guide is for: the opened guide's, else the game's.
    QString MissionsFolder() const;
    std::vector<vornask::CampaignFinding> FindProblems() const;
    QString FindingsText(const std::vector<vornask::CampaignFinding>& findings) const;
    // What the captures of the campaign's fields could not keep.
    vornask::LostCharacters& Lost();
    QTreeWidgetItem* MainNode() const;
    // The selected node's position among the missions, or -1 when no mission is selected.
    int SelectedMission() const;
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
};
