# Start-up, start window, welcome page, help window, title prompt.
target_sources(vornask_core PRIVATE src/app/InstallFolder.cpp)
target_sources(vornask_ui PRIVATE
  src/app/AppWindows.cpp
  src/app/AskTitleBox.cpp
  src/app/FirstBox.cpp
  src/app/HelpBox.cpp
  src/app/PageControls.cpp
  src/app/PageFrame.cpp
  src/app/StartBox.cpp
  src/app/Startup.cpp
  src/app/resources.qrc)
set_source_files_properties(src/app/StartBox.cpp PROPERTIES
  COMPILE_DEFINITIONS "VORNASK_VERSION=\"${PROJECT_VERSION}\"")
