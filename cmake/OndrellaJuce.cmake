# Settings every target that compiles the framework shares: the modules we do not need are off,
# and the image codecs come from the system, as Debian's framework expects.
add_library (ondrella_juce_settings INTERFACE)

target_compile_definitions (ondrella_juce_settings INTERFACE
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_REPORT_APP_USAGE=0
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_USE_MP3AUDIOFORMAT=0
    JUCE_USE_LAME_AUDIO_FORMAT=0
    JUCE_USE_WINDOWS_MEDIA_FORMAT=0
    JUCE_JACK=0
    JUCE_VST3_CAN_REPLACE_VST2=0
    JUCE_MODAL_LOOPS_PERMITTED=1)

target_link_libraries (ondrella_juce_settings INTERFACE
    PkgConfig::ONDRELLA_SYSTEM_IMAGE_LIBS
    JPEG::JPEG)

# The plug-in wrappers, and the component classes of every target, are built from patched copies of
# their modules.
include ("${CMAKE_CURRENT_LIST_DIR}/OndrellaPatchedModules.cmake")
ondrella_build_module_from_patched_copy (juce_gui_basics)

# GCC 12 flags the framework's own listener lists with a known false positive.
target_compile_options (ondrella_juce_settings INTERFACE $<$<CXX_COMPILER_ID:GNU>:-Wno-dangling-pointer>)

# Under a sanitizer only our own code is instrumented: the framework's module sources (large unity
# files) would take many times longer to build, and the tests are there to check our code.
function (ondrella_leave_framework_uninstrumented)
    if (NOT ONDRELLA_SANITIZE)
        return()
    endif()

    file (GLOB framework_sources "${JUCE_MODULES_DIR}/*/*.cpp" "${ONDRELLA_PATCHED_MODULES_DIR}/*/*.cpp")
    set_property (SOURCE ${framework_sources}
        DIRECTORY ${ARGN}
        APPEND PROPERTY COMPILE_OPTIONS "-fno-sanitize=all")
endfunction()
