# vornask_ui: every window, over the core. One folder per room: the start window and the frame
# the pages share, the mission wizard, the campaign editor, the controls, and the adapters
# over Qt and the system (file dialogs, message boxes, the disk, the Windows registry).
target_sources(vornask_ui PRIVATE
  src/ui/campaign/CampaignBox.cpp
  src/ui/campaign/CampaignFinished.cpp
  src/ui/campaign/ViewCampaignSource.cpp
  src/ui/controls/ComboBox98.cpp
  src/ui/controls/SingleLine.cpp
  src/ui/controls/SpinEdit.cpp
  src/ui/controls/TextBox.cpp
  src/ui/platform/DialogPlacement.cpp
  src/ui/platform/DialogSaveUser.cpp
  src/ui/platform/DiskFileStore.cpp
  src/ui/platform/DiskMissionFolder.cpp
  src/ui/platform/FileDialogs.cpp
  src/ui/platform/FileOpening.cpp
  src/ui/platform/InstallDirText.cpp
  src/ui/platform/LostCharactersWarning.cpp
  src/ui/platform/MessageBoxes.cpp
  src/ui/platform/QtText.cpp
  src/ui/platform/WindowsRegistry.cpp
  src/ui/start/AppWindows.cpp
  src/ui/start/AskTitleBox.cpp
  src/ui/start/FirstBox.cpp
  src/ui/start/HelpBox.cpp
  src/ui/start/PageControls.cpp
  src/ui/start/PageFrame.cpp
  src/ui/start/StartBox.cpp
  src/ui/start/Startup.cpp
  src/ui/start/resources.qrc
  src/ui/wizard/AdvancedAIOptions.cpp
  src/ui/wizard/FifthBox.cpp
  src/ui/wizard/FourthBox.cpp
  src/ui/wizard/FourthBoxTabs.cpp
  src/ui/wizard/SecondBox.cpp
  src/ui/wizard/SixthBox.cpp
  src/ui/wizard/ThirdBox.cpp
  src/ui/wizard/ViewSourceBox.cpp
  src/ui/wizard/WizardPage.cpp)
# The version shown in the start window and by --version.
target_compile_definitions(vornask_ui PUBLIC "VORNASK_VERSION=\"${PROJECT_VERSION}\"")
