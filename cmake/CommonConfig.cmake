# One place for the standard, the warnings and the Qt defines that every target shares.
add_library(kestrune_options INTERFACE)
target_compile_features(kestrune_options INTERFACE cxx_std_20)
target_compile_options(kestrune_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(kestrune_options INTERFACE
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_FOREACH
    QT_NO_KEYWORDS
    KESTRUNE_VERSION="${PROJECT_VERSION}")
