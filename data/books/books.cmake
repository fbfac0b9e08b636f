# The sample books. For each: the file name (without .tsb) of the book and of
# its CSV source; the title and category written into the book (its summary is
# summaries/NAME.txt); its shelf icon (a bitmap of data/covers); its cover
# picture (covers/ here); its cover texture 1..20; and its header key. Keys and
# the moment of creation are fixed so that every build writes the same books.
# No value may hold a semicolon, the list separator of CMake.
# Included by data/CMakeLists.txt.

set(TESSERA_BOOKS_MOMENT "11/12/2026 12:00:00")

tessera_book(
  NAME "Autoescuela"
  TITLE "Autoescuela: normas generales de circulación"
  CATEGORY "Educación vial"
  ICON "19_plum_triangle.bmp"
  COVER "driving.jpg"
  DESIGN 3
  KEY "90da9ddabc18d67a")

tessera_book(
  NAME "Tabla periódica"
  TITLE "Tabla periódica de los elementos"
  CATEGORY "Química"
  ICON "06_teal_atom.bmp"
  COVER "periodic.jpg"
  DESIGN 7
  KEY "5ad0ed340c949e00")

tessera_book(
  NAME "Países del mundo"
  TITLE "Países del mundo: capitales y banderas"
  CATEGORY "Geografía"
  ICON "07_slate_globe.bmp"
  COVER "countries.jpg"
  DESIGN 12
  KEY "0b62f5bf7b66c314")

tessera_book(
  NAME "Periodic table"
  TITLE "The periodic table of the elements"
  CATEGORY "Chemistry"
  ICON "06_teal_atom.bmp"
  COVER "periodic.jpg"
  DESIGN 7
  KEY "5db3309cd8b79002")

tessera_book(
  NAME "Spanish vocabulary I"
  TITLE "Spanish vocabulary I: first words"
  CATEGORY "Languages"
  ICON "22_mint_bubble.bmp"
  COVER "vocabulary.jpg"
  DESIGN 16
  KEY "01edca570b704756")

tessera_book(
  NAME "Countries of the world"
  TITLE "Countries of the world: capitals and flags"
  CATEGORY "Geography"
  ICON "07_slate_globe.bmp"
  COVER "countries.jpg"
  DESIGN 12
  KEY "07a445ebd437e895")
