# Writers of sample picture files, shared by the reader tests and the fuzzers' seed
# generator; included from both, defined once.
if(NOT TARGET brontel-picture-samples)
  add_library(brontel-picture-samples STATIC
    ${CMAKE_CURRENT_LIST_DIR}/sample_bmp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sample_gif.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sample_icon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sample_jpeg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sample_patterns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sample_pcx.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sample_png.cpp
  )
  target_include_directories(brontel-picture-samples PUBLIC ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(brontel-picture-samples PUBLIC brontel-core PRIVATE JPEG::JPEG PNG::PNG)
endif()
