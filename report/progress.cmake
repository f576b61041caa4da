# The progress window (Win32 only).
if(WIN32)
  add_library(progress STATIC ${CMAKE_CURRENT_SOURCE_DIR}/progress_dlg.cpp)
  target_link_libraries(progress PUBLIC fw)
endif()
