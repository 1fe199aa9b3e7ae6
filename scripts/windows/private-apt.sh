# Sourced by the Windows set-up scripts: an apt of the build tree's own (its own lists, cache and
# an empty package status), reading the system's archive lines plus their source lines, so that
# neither the system's sources nor its installed packages change.
# private_apt DIR ARCH: prepares DIR and sets the array apt_options for apt-get.
private_apt() {
    local dir=$1 arch=$2
    mkdir -p "$dir"/lists/partial "$dir"/archives/partial "$dir"/etc
    : >"$dir"/status
    # The system's archives again, each once for binaries and once for sources, from either of
    # apt's formats.
    : >"$dir"/etc/project.sources
    if compgen -G '/etc/apt/sources.list.d/*.sources' >/dev/null; then
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /Types:/ { b = $0; sub(/Types:[^\n]*/, "Types: deb", b); print b
                        s = $0; sub(/Types:[^\n]*/, "Types: deb-src", s); print s }' \
            /etc/apt/sources.list.d/*.sources >"$dir"/etc/project.sources
    fi
    { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true; } |
        sed -n 's/^deb \(.*\)$/deb \1\ndeb-src \1/p' >"$dir"/etc/project.list
    if [ ! -s "$dir"/etc/project.sources ] && [ ! -s "$dir"/etc/project.list ]; then
        echo "FAILED: apt's sources name no Debian archive to take packages from" >&2
        return 1
    fi
    apt_options=(
        -o "Dir::State=$dir" -o "Dir::State::Lists=$dir/lists" -o "Dir::State::status=$dir/status"
        -o "Dir::Cache=$dir" -o "Dir::Cache::archives=$dir/archives"
        -o "Dir::Etc::sourcelist=/dev/null" -o "Dir::Etc::sourceparts=$dir/etc"
        -o "Dir::Etc::preferencesparts=/dev/null"
        -o "APT::Architecture=$arch" -o "APT::Architectures=$arch"
        -o "Debug::NoLocking=1" -o "APT::Sandbox::User=root" -q=2)
}
