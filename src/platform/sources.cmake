# Our layer over the platform: registry, dialogs and message boxes, 8-bit text.
target_sources(vornask_core PRIVATE
  src/platform/Registry.cpp
  src/platform/TextLines.cpp
  src/platform/Windows1252.cpp
  src/platform/WineRegistry.cpp)
target_sources(vornask_ui PRIVATE
  src/platform/Dialogs.cpp
  src/platform/QtText.cpp)
