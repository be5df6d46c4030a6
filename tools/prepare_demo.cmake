# Fills the demo folder with sample archives once; an existing demo archive is kept, so
# what a newcomer enters in the demo survives the next build.
string(TIMESTAMP year "%Y")
if(NOT EXISTS "${FOLDER}/Clienti.pro")
    execute_process(COMMAND "${GENERATOR}" "${FOLDER}" --customers 40 --slips 300 --year ${year} --films 36
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
