# Every file the picture generator writes, listed once. The build declares them as the
# generator's outputs (a deleted one is drawn again, `clean` removes them), embeds or installs
# them from here, and the generator fails when what it wrote differs from this list.

# Read by bare name at run time, installed to share/selection-pilotes/pictures.
set(PILOTES_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
set(PILOTES_PICTURES Logo.gif Image.jpg)
foreach(question RANGE 2 60)
    list(APPEND PILOTES_PICTURES image${question}.gif)
endforeach()
foreach(question RANGE 2 30)
    list(APPEND PILOTES_PICTURES chemin${question}.gif barre${question}.gif)
endforeach()
foreach(panel RANGE 2 9)
    list(APPEND PILOTES_PICTURES cadran${panel}.gif)
endforeach()

# Each also drawn at twice the size for high-density screens.
list(TRANSFORM PILOTES_PICTURES REPLACE "^(.*)(\\.[a-z]+)$" "\\1@2x\\2" OUTPUT_VARIABLE double_size)
list(APPEND PILOTES_PICTURES ${double_size})

# Compiled into the program as resources under ":/assets/".
set(PILOTES_EMBEDDED_DIR ${CMAKE_BINARY_DIR}/embedded-pictures)
set(PILOTES_EMBEDDED_PICTURES cadran2.jpg exemple-cadran.jpg barre1.jpg chemin1.jpg spatial1.jpg)
list(TRANSFORM PILOTES_EMBEDDED_PICTURES REPLACE "^(.*)(\\.[a-z]+)$" "\\1@2x\\2" OUTPUT_VARIABLE double_size)
list(APPEND PILOTES_EMBEDDED_PICTURES ${double_size})

# The application icon at each size of the hicolor theme, and scalable; embedded for the window
# icon and installed to share/icons/hicolor/<size>/apps/.
set(PILOTES_ICONS_DIR ${CMAKE_BINARY_DIR}/icons)
set(PILOTES_ICON_SIZES 16 32 48 64 128 256)
set(PILOTES_ICONS icon.svg)
foreach(size IN LISTS PILOTES_ICON_SIZES)
    list(APPEND PILOTES_ICONS icon-${size}.png)
endforeach()

# The answer booklet (tools/booklet), installed to share/doc/selection-pilotes.
set(PILOTES_BOOKLET_PATH ${CMAKE_BINARY_DIR}/doc/corrige-selection-pilotes.pdf)

list(TRANSFORM PILOTES_PICTURES PREPEND ${PILOTES_PICTURES_DIR}/ OUTPUT_VARIABLE PILOTES_PICTURE_PATHS)
list(TRANSFORM PILOTES_EMBEDDED_PICTURES PREPEND ${PILOTES_EMBEDDED_DIR}/ OUTPUT_VARIABLE PILOTES_EMBEDDED_PATHS)
list(TRANSFORM PILOTES_ICONS PREPEND ${PILOTES_ICONS_DIR}/ OUTPUT_VARIABLE PILOTES_ICON_PATHS)
set(PILOTES_GENERATED_PATHS ${PILOTES_PICTURE_PATHS} ${PILOTES_EMBEDDED_PATHS} ${PILOTES_ICON_PATHS})
