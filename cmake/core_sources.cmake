# The game itself: screens, rules and state, with no terminal and no audio in it.
# The game's build, the browser build and the fuzzer take the same list.
file(GLOB_RECURSE VOVUZAVO_CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/../src/console/*.cpp ${CMAKE_CURRENT_LIST_DIR}/../src/hero/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../src/combat/*.cpp ${CMAKE_CURRENT_LIST_DIR}/../src/save/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../src/story/*.cpp ${CMAKE_CURRENT_LIST_DIR}/../src/shell/*.cpp)
list(FILTER VOVUZAVO_CORE_SOURCES EXCLUDE REGEX
  "src/console/(curses_terminal|mp3_player|track_search)\\.cpp$")
