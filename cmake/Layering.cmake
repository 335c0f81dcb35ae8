# quenvo_layering_test(<targets...>): the test include_layering, which fails
# when a source of one of the targets includes a header, or forward-declares
# a class, that belongs neither to that target nor to one it links, directly
# or through others, or when a file of src/ belongs to none of them. So the
# #include lines and declarations say what the CMake links say: the
# widget-free cores never reach into the libraries of windows. A class
# belongs to the library whose header defines it, a Qt class to the Qt
# module whose headers hold it.
function(quenvo_layering_test)
  set(manifest "")
  foreach(target ${ARGN})
    get_target_property(sources ${target} SOURCES)
    get_target_property(folder ${target} SOURCE_DIR)
    set(files "")
    foreach(source ${sources})
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${folder} NORMALIZE)
      list(APPEND files ${source})
    endforeach()
    quenvo_linked_closure(${target} closure)
    string(APPEND manifest "set(SOURCES_${target} \"${files}\")\n"
                           "set(LINKED_${target} \"${closure}\")\n")
  endforeach()
  string(APPEND manifest "set(TARGETS \"${ARGN}\")\n")
  set(modules "")
  foreach(module Core Gui Widgets DBus Test)
    get_target_property(folders Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
    foreach(folder ${folders})
      if(folder MATCHES "/Qt${module}$")
        list(APPEND modules "Qt6::${module}=${folder}")
      endif()
    endforeach()
  endforeach()
  string(APPEND manifest "set(QT_MODULES \"${modules}\")\n")
  set(file ${CMAKE_BINARY_DIR}/layering-manifest.cmake)
  file(WRITE ${file} "${manifest}")
  add_test(NAME include_layering
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${file} -DROOTS=${PROJECT_SOURCE_DIR}/src\;${PROJECT_SOURCE_DIR}/siblings
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayering.cmake)
endfunction()

# Every target that <target> links, directly or through others.
function(quenvo_linked_closure target out)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    get_target_property(type ${current} TYPE)
    get_target_property(imported ${current} IMPORTED)
    if(type STREQUAL "INTERFACE_LIBRARY" OR imported)
      get_target_property(links ${current} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(links ${current} LINK_LIBRARIES)
    endif()
    foreach(link ${links})
      if(TARGET ${link} AND NOT link IN_LIST seen)
        list(APPEND seen ${link})
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()
