# Shared by scripts/run, scripts/test and scripts/fuzz: installs the Debian
# packages the build needs (only those missing), then configures and builds.
# Expects ROOT to be the repository's top folder.

# What the program, the companion and the plug-in need to build and run.
ZORVIK_PACKAGES=(
    cmake g++ make pkg-config
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

# Configures and builds ZORVIK_BUILD_DIR (default build/); arguments are
# added to the configuration (-DZORVIK_SANITIZE=ON, ...).
zorvik_build() {
    local build_dir="${ZORVIK_BUILD_DIR:-$ROOT/build}"
    cmake -S "$ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE="${ZORVIK_BUILD_TYPE:-RelWithDebInfo}" "$@" &&
        cmake --build "$build_dir" -j"$(nproc)"
}
