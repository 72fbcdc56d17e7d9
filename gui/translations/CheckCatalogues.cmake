# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a catalogue has an entry that is not translated yet or no longer used, so that no
# language ships half done. Run with -DCATALOGUES="a.ts;b.ts" -DSTAMP=file.
foreach(ts IN LISTS CATALOGUES)
    file(READ "${ts}" text)
    string(REGEX MATCHALL "type=\"(unfinished|obsolete|vanished)\"" open "${text}")
    list(LENGTH open count)
    if(count GREATER 0)
        message(FATAL_ERROR "${ts}: ${count} entries unfinished or obsolete; translate them in Qt Linguist "
                            "(after cmake --build BUILD --target update_translations)")
    endif()
endforeach()
file(TOUCH "${STAMP}")
