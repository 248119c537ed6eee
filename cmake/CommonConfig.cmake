# Settings shared by every target of the project.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_library(dayloom_common INTERFACE)
# GCC 12 counts a designated initializer that leaves members to their
# defaults ({.text = ...} for a search) as missing initializers; the code
# means exactly that, so the warning is off.
target_compile_options(dayloom_common INTERFACE -Wall -Wextra -Wpedantic
    -Wno-missing-field-initializers)
target_compile_definitions(dayloom_common INTERFACE
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
target_include_directories(dayloom_common INTERFACE ${PROJECT_SOURCE_DIR})

# dayloom_folder_library(NAME LINKS...): one static library from every .cpp of
# the calling folder. Classes come and go without touching the build files.
function(dayloom_folder_library name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
                                        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
                                        ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC dayloom_common ${ARGN})
endfunction()
