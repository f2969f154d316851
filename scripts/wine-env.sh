# Sourced by the Wine scripts: a quiet Wine with a prefix of the build's own and no .NET or HTML engine.
# Expects $build_dir (the CMake binary folder of the windows preset).
export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
