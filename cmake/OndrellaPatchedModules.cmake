# Some framework modules have faults we must mend: cmake/patches holds a folder of patches for each.
# Such a module is built from a private copy in the build tree with its patches applied; the
# installed module is never touched. The copy is made afresh at every configure, and a file of it is
# rewritten only when its content changes, so that a reconfigure does not rebuild what uses it.

find_program (ONDRELLA_PATCH_PROGRAM patch)

if (NOT ONDRELLA_PATCH_PROGRAM)
    message (FATAL_ERROR "The 'patch' program is needed to mend the framework's modules: "
                         "scripts/install-build-deps.sh installs it.")
endif()

set (ONDRELLA_PATCHED_MODULES_DIR "${CMAKE_BINARY_DIR}/juce-patched" CACHE INTERNAL
     "Where the patched copies of framework modules are")

function (_ondrella_make_patched_copy module original copy)
    set (staging "${CMAKE_BINARY_DIR}/juce-patched-staging")

    file (GLOB patches CONFIGURE_DEPENDS "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/patches/${module}/*.patch")
    list (SORT patches)
    set_property (DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${patches})

    file (REMOVE_RECURSE "${staging}")
    file (COPY "${original}" DESTINATION "${staging}" NO_SOURCE_PERMISSIONS)

    foreach (patch_file IN LISTS patches)
        execute_process (COMMAND "${ONDRELLA_PATCH_PROGRAM}" -p1 --fuzz=0 --batch --forward
                                 --no-backup-if-mismatch --reject-file=- -i "${patch_file}"
                         WORKING_DIRECTORY "${staging}/${module}"
                         RESULT_VARIABLE result
                         OUTPUT_VARIABLE output
                         ERROR_VARIABLE output)

        if (NOT result EQUAL 0)
            message (FATAL_ERROR "${patch_file} does not apply to ${original}:\n${output}")
        endif()
    endforeach()

    file (GLOB_RECURSE files RELATIVE "${staging}/${module}" "${staging}/${module}/*")

    foreach (file IN LISTS files)
        get_filename_component (folder "${copy}/${file}" DIRECTORY)
        file (MAKE_DIRECTORY "${folder}")
        file (COPY_FILE "${staging}/${module}/${file}" "${copy}/${file}" ONLY_IF_DIFFERENT)
    endforeach()

    file (REMOVE_RECURSE "${staging}")
endfunction()

# Points a framework target's sources below original at the same files below copy; moved tells
# whether any source was there.
function (_ondrella_take_sources_from_copy target original copy moved)
    get_target_property (sources ${target} INTERFACE_SOURCES)
    set (${moved} FALSE PARENT_SCOPE)

    if (NOT sources)
        return()
    endif()

    string (REPLACE "${original}/" "${copy}/" patched_sources "${sources}")
    set_property (TARGET ${target} PROPERTY INTERFACE_SOURCES ${patched_sources})

    if (NOT "${patched_sources}" STREQUAL "${sources}")
        set (${moved} TRUE PARENT_SCOPE)
    endif()
endfunction()

# Builds every wrapper of the plug-in whose shared code is shared_target from the patched copy: the
# framework's wrapper targets take their sources from it, and the plug-in's wrapper targets find the
# module's headers there first, so that a wrapper never sees the installed and the patched copy both.
function (ondrella_build_wrappers_from_patched_copy shared_target)
    set (module juce_audio_plugin_client)
    set (original "${JUCE_MODULES_DIR}/${module}")
    set (copy "${ONDRELLA_PATCHED_MODULES_DIR}/${module}")

    _ondrella_make_patched_copy (${module} "${original}" "${copy}")

    foreach (kind IN ITEMS AU AUv3 AAX LV2 Standalone Unity VST VST3)
        set (target juce_audio_plugin_client_${kind})

        if (NOT TARGET ${target})
            continue()
        endif()

        _ondrella_take_sources_from_copy (${target} "${original}" "${copy}" moved)

        if ((kind STREQUAL "VST3" OR kind STREQUAL "LV2") AND NOT moved)
            message (FATAL_ERROR "The ${kind} wrapper's sources were not found below ${original}")
        endif()

        if (TARGET ${shared_target}_${kind})
            target_include_directories (${shared_target}_${kind} BEFORE PRIVATE "${ONDRELLA_PATCHED_MODULES_DIR}")
        endif()
    endforeach()
endfunction()

# Builds a module from its patched copy wherever it is used: its target takes its sources from the
# copy. Its headers are left as installed, since the patches change none of them; the copy's own
# source includes the copy's headers, so no source sees both.
function (ondrella_build_module_from_patched_copy module)
    set (original "${JUCE_MODULES_DIR}/${module}")
    set (copy "${ONDRELLA_PATCHED_MODULES_DIR}/${module}")

    _ondrella_make_patched_copy (${module} "${original}" "${copy}")

    _ondrella_take_sources_from_copy (${module} "${original}" "${copy}" moved)

    if (NOT moved)
        message (FATAL_ERROR "The sources of ${module} were not found below ${original}")
    endif()
endfunction()
