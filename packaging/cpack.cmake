# The Debian package: cmake --build build --target package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME labbench)
set(CPACK_PACKAGE_VENDOR "labbench")
set(CPACK_PACKAGE_CONTACT "labbench developers <labbench@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "virtual bench for digital-logic experiments")
set(CPACK_PACKAGE_DESCRIPTION
  "A student takes 74LS and CD4000 chips from a chip box, seats them on a
breadboard, draws wires, switches the power on and watches LEDs, lamps and
seven-segment digits follow the logic. A needle multimeter and an
oscilloscope measure the circuit; circuits are saved as .cir files.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY labbench)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin, which no library names; the Chinese
# interface wants a font with its glyphs and Qt's Chinese dialog texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
