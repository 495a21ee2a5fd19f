# A folder with Unix symbolic links for the tests of the Windows layer:
# L.txt leads to a file beside it, D.txt nowhere.
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
file(WRITE "${FOLDER}/outside" "keep\r\n")
file(CREATE_LINK "${FOLDER}/outside" "${FOLDER}/L.txt" SYMBOLIC)
file(CREATE_LINK "${FOLDER}/nowhere" "${FOLDER}/D.txt" SYMBOLIC)
