# Sourced: the settings of the build with AddressSanitizer and UndefinedBehaviorSanitizer that the
# thorough test run and the fuzzers share (clang, so that the libFuzzer targets build in it too).

sanitizer_flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# configure_sanitized_build FOLDER: configures FOLDER unless it already is.
configure_sanitized_build() {
    [ -f "$1/build.ninja" ] && return
    cmake -S "$root" -B "$1" -G Ninja -Wno-dev -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$sanitizer_flags" -DQUILLON_FUZZ=ON \
        >/dev/null
}
