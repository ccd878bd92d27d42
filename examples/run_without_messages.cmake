# Copies the plug-in alone into DIR and runs SCRIPT with it; prints the
# transcript and the program's exit status.
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
file(COPY ${MODULE} DESTINATION ${DIR})
get_filename_component(name ${MODULE} NAME)
execute_process(COMMAND ${PROGRAM} --module ${DIR}/${name} -s ${SCRIPT}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
message("${out}${err}exit ${status}")
