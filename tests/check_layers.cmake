# SPDX-License-Identifier: GPL-3.0-or-later
# The one-way rule between the source trees, checked on the includes:
#   the core names no GUI or program header (the compiler sees neither tree from there);
#   the GUI names no program header;
#   a tool window never names the main window's header.
# Run as: cmake -DSOURCE_DIR=<src> -P check_layers.cmake
set(failures "")

function(check_tree tree pattern why)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${tree}/*.h" "${SOURCE_DIR}/${tree}/*.cpp")
    foreach(f ${files})
        file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](${pattern})")
        foreach(h ${hits})
            file(RELATIVE_PATH rel "${SOURCE_DIR}" "${f}")
            set(failures "${failures}\n  ${rel}: ${h}  (${why})")
        endforeach()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

set(gui_headers "common/|elements/|toolbar/|windows/|main/Unt_aura|Qt?Widgets|QWidget|QApplication")
set(app_headers "Unt_spsh\\.h|Startup\\.h|app/")
check_tree(core "${gui_headers}|${app_headers}" "the core cannot see the GUI or the program")
check_tree(gui "${app_headers}" "the GUI cannot see the program")
check_tree(gui/windows "main/Unt_aura" "tool windows talk to the main window by signals")

if(failures)
    message(FATAL_ERROR "Layer rule broken:${failures}")
endif()
message(STATUS "Layer rule kept")
