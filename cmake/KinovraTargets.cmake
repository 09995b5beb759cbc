# Settings every target of ours shares: warnings, and the sanitizers of the preset.

if(KINOVRA_SANITIZE)
    add_compile_options(-fsanitize=${KINOVRA_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${KINOVRA_SANITIZE})
endif()
if(KINOVRA_FUZZ)
    # Libraries are instrumented for coverage; only the fuzz targets link the fuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

function(kinovra_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast)
endfunction()

# kinovra_library(name SOURCES...): a static library of one folder, its headers included
# from the source root ("text/text.h").
function(kinovra_library name)
    add_library(${name} STATIC ${ARGN})
    add_library(kinovra::${name} ALIAS ${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    kinovra_warnings(${name})
endfunction()

# kinovra_test(name SOURCES...): one GoogleTest executable, registered with ctest. Tests run
# with a fixed locale and time zone so nothing in them depends on the machine's settings.
function(kinovra_test name)
    add_executable(${name} ${ARGN})
    kinovra_warnings(${name})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "LANG=C.UTF-8;LC_ALL=C.UTF-8;TZ=UTC")
endfunction()
