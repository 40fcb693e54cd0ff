# LAME, the MP3 encoder, as the imported target Mp3Lame::Mp3Lame: the asset generator encodes
# the game's sounds with it, the sound player's tests their tone files.
find_path(MP3LAME_INCLUDE_DIR lame/lame.h)
find_library(MP3LAME_LIBRARY mp3lame)
mark_as_advanced(MP3LAME_INCLUDE_DIR MP3LAME_LIBRARY)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Mp3Lame REQUIRED_VARS MP3LAME_LIBRARY MP3LAME_INCLUDE_DIR)

if(Mp3Lame_FOUND AND NOT TARGET Mp3Lame::Mp3Lame)
    add_library(Mp3Lame::Mp3Lame UNKNOWN IMPORTED GLOBAL)
    set_target_properties(Mp3Lame::Mp3Lame PROPERTIES
        IMPORTED_LOCATION ${MP3LAME_LIBRARY}
        INTERFACE_INCLUDE_DIRECTORIES ${MP3LAME_INCLUDE_DIR})
endif()
