# vornask_ui: every window, over the core. From the top down: the owner of all windows and the
# start window; the mission wizard and the campaign editor; what the pages share; the controls;
# the adapters over Qt and the system (file dialogs, message boxes, the disk, the registry).
target_sources(vornask_ui PRIVATE
  src/ui/app/AppWindows.cpp
  src/ui/app/CommandLineCheck.cpp
  src/ui/app/HelpBox.cpp
  src/ui/app/StartBox.cpp
  src/ui/app/Startup.cpp
  src/ui/app/resources.qrc
  src/ui/campaign/AskTitleBox.cpp
  src/ui/campaign/CampaignBox.cpp
  src/ui/campaign/CampaignFinished.cpp
  src/ui/campaign/ViewCampaignSource.cpp
  src/ui/controls/ComboBox98.cpp
  src/ui/controls/SingleLine.cpp
  src/ui/controls/SpinEdit.cpp
  src/ui/controls/TextBox.cpp
  src/ui/pages/FindingsBox.cpp
  src/ui/pages/PageControls.cpp
  src/ui/pages/PageFrame.cpp
  src/ui/pages/WindowOwner.cpp
  src/ui/platform/CheckTexts.cpp
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
  src/ui/wizard/AdvancedAIOptions.cpp
  src/ui/wizard/FifthBox.cpp
  src/ui/wizard/FirstBox.cpp
  src/ui/wizard/FourthBox.cpp
  src/ui/wizard/FourthBoxTabs.cpp
  src/ui/wizard/SecondBox.cpp
  src/ui/wizard/SixthBox.cpp
  src/ui/wizard/ThirdBox.cpp
  src/ui/wizard/ViewSourceBox.cpp
  src/ui/wizard/WizardPage.cpp)
# The version shown in the start window and by --version.
target_compile_definitions(vornask_ui PUBLIC "VORNASK_VERSION=\"${PROJECT_VERSION}\"")
