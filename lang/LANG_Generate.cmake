# Turns LANG_Strings.txt into a resource script (RC) and a C++ table (CPP).
#   cmake -DIN=LANG_Strings.txt -DRC=out.rc -DCPP=out.cpp -P LANG_Generate.cmake
# Texts are copied with their escapes untouched: the source allows only escapes that mean the
# same in C++ and in a resource script, except \" which a resource script writes "".

cmake_minimum_required(VERSION 3.25)

file(READ "${IN}" content)
# CMake lists split at ';' and pair '[' with ']': hide them until the outputs are whole strings.
string(REPLACE ";" "@SEMI@" content "${content}")
string(REPLACE "[" "@LBR@" content "${content}")
string(REPLACE "]" "@RBR@" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(seen)
set(entries)
set(number 0)
foreach(line IN LISTS lines)
  math(EXPR number "${number} + 1")
  if(line MATCHES "^[ \t]*(#.*)?$")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+)[ \t]+\"(.*)\"[ \t]*$")
    message(FATAL_ERROR "${IN}:${number}: expected a number and a quoted text")
  endif()
  set(id "${CMAKE_MATCH_1}")
  set(text "${CMAKE_MATCH_2}")
  if(id GREATER 65535)
    message(FATAL_ERROR "${IN}:${number}: string number ${id} above 65535")
  endif()
  if(id IN_LIST seen)
    message(FATAL_ERROR "${IN}:${number}: string number ${id} given twice")
  endif()
  list(APPEND seen ${id})
  string(REGEX REPLACE "\\\\[nt\\\\\"]" "" bare "${text}")
  if(bare MATCHES "[\\\\\"]")
    message(FATAL_ERROR "${IN}:${number}: a backslash may only start \\n \\t \\\\ or \\\", and a quote needs one")
  endif()
  if(bare MATCHES "[^\t -~]")
    message(FATAL_ERROR "${IN}:${number}: texts are plain ASCII")
  endif()
  string(REGEX REPLACE "%[%0-9]" "" bare "${bare}")
  if(bare MATCHES "%")
    message(FATAL_ERROR "${IN}:${number}: a percent sign may only start %% or a placeholder %0 to %9")
  endif()
  # Padded number first, so that sorting the list sorts by number.
  string(LENGTH "${id}" width)
  math(EXPR pad "5 - ${width}")
  string(REPEAT "0" ${pad} zeros)
  list(APPEND entries "${zeros}${id}|${id}|${text}")
endforeach()
list(SORT entries)

set(rc "// Generated from lang/LANG_Strings.txt; do not edit.\nSTRINGTABLE\nBEGIN\n")
set(cpp "// Generated from lang/LANG_Strings.txt; do not edit.
#include \"lang/LANG_Strings.h\"

#include <iterator>

namespace lang {

namespace {

const String_t kStrings[] = {
")
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^[0-9]+\\|([0-9]+)\\|(.*)$" ignored "${entry}")
  set(id "${CMAKE_MATCH_1}")
  set(text "${CMAKE_MATCH_2}")
  string(REPLACE "\\\"" "\"\"" rc_text "${text}")
  string(APPEND rc "    ${id}, \"${rc_text}\"\n")
  string(APPEND cpp "    {${id}, \"${text}\"},\n")
endforeach()
string(APPEND rc "END\n")
string(APPEND cpp "};

}  // namespace

const std::vector<String_t>& Strings() {
    static const std::vector<String_t> strings(std::begin(kStrings), std::end(kStrings));
    return strings;
}

const char* FindString(std::uint32_t id) {
    for (const String_t& s : Strings()) {
        if (s.id == id) return s.text;
    }
    return nullptr;
}

}  // namespace lang
")

# Writes only on change, so that nothing is rebuilt for nothing.
function(write_if_changed path text)
  string(REPLACE "@SEMI@" ";" text "${text}")
  string(REPLACE "@LBR@" "[" text "${text}")
  string(REPLACE "@RBR@" "]" text "${text}")
  if(EXISTS "${path}")
    file(READ "${path}" old)
    if(old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE "${path}" "${text}")
endfunction()

write_if_changed("${RC}" "${rc}")
write_if_changed("${CPP}" "${cpp}")
