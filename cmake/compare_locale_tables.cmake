# Warns when the locale table made from this build's Qt differs from the
# checked-in one that builds without Qt use, so that the two are kept in step.
file(STRINGS ${TABLE} made REGEX "^    {")
file(STRINGS ${FALLBACK} kept REGEX "^    {")
if(NOT made STREQUAL kept)
  message(WARNING "The locale table from this Qt differs from ${FALLBACK}, which builds "
                  "without Qt use: run scripts/regenerate-locale-table.sh to update it.")
endif()
