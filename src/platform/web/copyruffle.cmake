# Copies the Flash emulator's loader, both core builds and its licences from
# SOURCE to TARGET. Without the package the program still builds; its Flash
# pane then says that the emulator is missing.
if(NOT EXISTS ${SOURCE}/ruffle.js)
  message(WARNING "Flash emulator not found in ${SOURCE}: run scripts/install-deps.sh")
  return()
endif()
file(GLOB files ${SOURCE}/ruffle.js ${SOURCE}/core.ruffle.*.js ${SOURCE}/*.wasm ${SOURCE}/LICENSE_*)
file(MAKE_DIRECTORY ${TARGET})
file(GLOB stale ${TARGET}/*)
foreach(old ${stale})
  get_filename_component(name ${old} NAME)
  if(NOT EXISTS ${SOURCE}/${name})
    file(REMOVE ${old})
  endif()
endforeach()
file(COPY ${files} DESTINATION ${TARGET})
