# Sourced by the scripts that build libraries for Windows from Debian's source packages.
# private_apt DIR SUITE: a throw-away apt configuration in DIR that knows SUITE's source packages,
# with its index fetched; its options are left in the array apt_options. The machine's own
# sources and lists stay as they are.
private_apt() {
    local dir=$1 suite=$2
    mkdir -p "$dir/sources.list.d" "$dir/lists/partial"
    cat >"$dir/sources.list.d/$suite-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    apt_options=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$dir/sources.list.d"
                 -o "Dir::State::Lists=$dir/lists" -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
    apt-get "${apt_options[@]}" update -qq
}
