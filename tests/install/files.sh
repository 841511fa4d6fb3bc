# Shared by the install checks (sourced): what an installed course consists of, and how the
# Debian package is made for a check. Each caller defines fail().

# The sizes of the hicolor theme the icon comes in.
icon_sizes=(16 22 24 32 48 64 128 256)

# Checks that ROOT (a prefix such as /usr, or ~/.local) holds exactly the course's files: each
# one present, and nothing else.
check_installed_files() {
  local root=$1 f size
  local expected=(
    bin/apostila
    share/applications/org.example.apostila.desktop
    share/metainfo/org.example.apostila.metainfo.xml
    share/man/man1/apostila.1.gz
    share/man/pt_BR/man1/apostila.1.gz
    share/doc/apostila/copyright
    share/doc/apostila/changelog.gz
    share/doc/apostila/LICENSE
  )
  for size in "${icon_sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/apostila.png")
  done
  for f in "${expected[@]}"; do
    [[ -f $root/$f ]] || fail "no $f"
  done
  local extra
  extra=$(cd "$root" && find . -type f -printf '%P\n' | grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)
  [[ -z $extra ]] || fail "unexpected files installed: $extra"
}

# Builds the package from BUILD_DIR into OUT_DIR with CPack; its path is left in $deb.
make_deb() {
  local build=$1 out=$2
  (cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out/pkg") >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; fail "cpack failed"; }
  deb=$(ls "$out"/pkg/apostila_*_amd64.deb 2>/dev/null | head -n1)
  [[ -n $deb ]] || { cat "$out/cpack.log"; fail "no apostila_*.deb made"; }
}
