# cmake -DINPUT=file -DOUTPUT=file.c -DNAME=symbol -P EmbedFile.cmake
# Writes a C file holding the input's bytes as NAME[] and its length as NAME_SIZE.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "#include <stddef.h>\nconst unsigned char ${NAME}[] = {\n${bytes}\n};\nconst size_t ${NAME_SIZE} = ${size};\n")
