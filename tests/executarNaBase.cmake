# Runs a window test in a base folder of its own, made afresh for each run:
# the build's pictures and the shipped configuration, nothing a user or
# another test wrote. What the test writes (recent files, designer and
# manufacturer data, logos, projects) stays there, never in the folder the
# programs run in.
#   cmake -DPROGRAMA=... -DBASE=... -DFIGURAS=... -DCONFIG=... [-DARGUMENTOS=a|b] -P executarNaBase.cmake
file(REMOVE_RECURSE ${BASE})
file(MAKE_DIRECTORY ${BASE}/Config ${BASE}/Arquivos)
if(EXISTS ${FIGURAS})
  file(COPY ${FIGURAS} DESTINATION ${BASE})
endif()
file(GLOB _config ${CONFIG}/*)
if(_config)
  file(COPY ${_config} DESTINATION ${BASE}/Config)
endif()
string(REPLACE "|" ";" _argumentos "${ARGUMENTOS}")
execute_process(COMMAND ${PROGRAMA} ${_argumentos} WORKING_DIRECTORY ${BASE} RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "${PROGRAMA} terminou com ${_status}")
endif()
