# Shared by scripts/run, scripts/test and scripts/fuzz: installs the Debian
# packages the build needs (only those missing), then configures and builds.
# Expects ROOT to be the repository's top folder.

# What the program, the companion and the plug-in need to build and run.
ZORVIK_PACKAGES=(
    cmake g++ make pkg-config ninja-build ccache lld
    libsqlite3-dev sqlite3 libpng-dev zlib1g-dev libarchive-dev libarchive-tools
    qt6-base-dev qt6-image-formats-plugins fonts-ipafont-gothic
    qt6-l10n-tools qt6-tools-dev
)

# The tests and benchmarks besides (scripts/test).
ZORVIK_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
)

# The Debian package and its checks (scripts/package, scripts/check-package).
ZORVIK_PACKAGE_PACKAGES=(dpkg-dev file fakeroot lintian desktop-file-utils appstream)

# Only the fuzz build needs clang and its libFuzzer runtime.
ZORVIK_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

# Installs the missing ones of the packages named, by default ZORVIK_PACKAGES.
zorvik_install_packages() {
    local wanted=("$@")
    if [ ${#wanted[@]} -eq 0 ]; then
        wanted=("${ZORVIK_PACKAGES[@]}")
    fi
    local missing=()
    local package
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "error: these packages are missing and this is not root: ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
}

# The compiler cache: paths below the clone are hashed relative to it, so a
# fresh clone (CI's) hits what an earlier clone compiled. The precompiled
# headers are rebuilt in each clone, hence the sloppiness about their times.
# Sets ZORVIK_LAUNCHER to the configuration's options for it (none without ccache).
zorvik_use_compiler_cache() {
    ZORVIK_LAUNCHER=()
    command -v ccache >/dev/null 2>&1 || return 0
    export CCACHE_BASEDIR="$ROOT"
    export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
    export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-8G}"
    ZORVIK_LAUNCHER=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
}

# Prints the seconds since $1 (a `date +%s` reading), for the stages' times.
zorvik_elapsed() {
    echo "$(($(date +%s) - $1)) s"
}

# Configures and builds ZORVIK_BUILD_DIR (default build/); arguments are
# added to the configuration (-DZORVIK_SANITIZE=ON, ...). A new build folder
# uses Ninja; an existing one keeps the generator it was made with. The
# install prefix is the package's, so that the package is made from this
# build's objects (scripts/package).
zorvik_build() {
    local build_dir="${ZORVIK_BUILD_DIR:-$ROOT/build}"
    local generator=()
    if [ ! -f "$build_dir/CMakeCache.txt" ] && command -v ninja >/dev/null 2>&1; then
        generator=(-G Ninja)
    fi
    local start
    zorvik_use_compiler_cache
    start=$(date +%s)
    cmake -S "$ROOT" -B "$build_dir" "${generator[@]}" "${ZORVIK_LAUNCHER[@]}" \
        -DCMAKE_BUILD_TYPE="${ZORVIK_BUILD_TYPE:-RelWithDebInfo}" -DCMAKE_INSTALL_PREFIX=/usr "$@" ||
        return 1
    echo "== configure $(basename "$build_dir"): $(zorvik_elapsed "$start")"
    start=$(date +%s)
    # shellcheck disable=SC2086 # ZORVIK_BUILD_TARGETS holds separate words
    cmake --build "$build_dir" -j"$(nproc)" ${ZORVIK_BUILD_TARGETS:-} || return 1
    echo "== build $(basename "$build_dir"): $(zorvik_elapsed "$start")"
}
