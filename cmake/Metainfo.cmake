# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the AppStream metainfo from resources/stoikon.metainfo.xml.in: the application id,
# and with a web site its home page, its help page and the two screenshots published there.
# Included by cmake/Install.cmake, or run on its own (the install tests check a file made
# with a site):
#   cmake -DSTOIKON_APP_ID=ID -DSTOIKON_HOMEPAGE=ADDRESS/ -DSTOIKON_METAINFO_IN=TEMPLATE -DSTOIKON_METAINFO_OUT=FILE -P Metainfo.cmake

set(STOIKON_METAINFO_SITE "")
if(STOIKON_HOMEPAGE)
    # The screenshots are the README's pictures of the window.
    function(stoikon_screenshot kind caption captionFa picture)
        string(APPEND STOIKON_METAINFO_SITE
            "    <screenshot${kind}>\n"
            "      <caption>${caption}</caption>\n"
            "      <caption xml:lang=\"fa\">${captionFa}</caption>\n"
            "      <image type=\"source\">${STOIKON_HOMEPAGE}screenshots/${picture}</image>\n"
            "    </screenshot>\n")
        set(STOIKON_METAINFO_SITE "${STOIKON_METAINFO_SITE}" PARENT_SCOPE)
    endfunction()
    string(APPEND STOIKON_METAINFO_SITE
        "  <url type=\"homepage\">${STOIKON_HOMEPAGE}</url>\n"
        "  <url type=\"help\">${STOIKON_HOMEPAGE}sthlp.html</url>\n"
        "  <screenshots>\n")
    stoikon_screenshot(" type=\"default\"" "A balanced reaction and its property grid"
        "یک واکنش موازنه شده و جدول خواص مواد آن" window-en.png)
    stoikon_screenshot("" "The Farsi interface, right to left" "رابط فارسی، از راست به چپ" window-fa.png)
    string(APPEND STOIKON_METAINFO_SITE "  </screenshots>\n")
endif()
configure_file(${STOIKON_METAINFO_IN} ${STOIKON_METAINFO_OUT} @ONLY)
