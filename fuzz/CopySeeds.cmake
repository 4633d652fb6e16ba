# cmake -DSEEDS=<dir> -DWORK=<dir> -P CopySeeds.cmake: puts a fresh copy of the
# seed corpus at <WORK>/corpus for one fuzz run to grow.
file(REMOVE_RECURSE ${WORK}/corpus)
file(MAKE_DIRECTORY ${WORK})
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)
