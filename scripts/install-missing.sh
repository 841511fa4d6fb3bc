# Sourced by the set-up scripts: install_missing WHO PACKAGE... installs, with apt-get (through
# sudo when not root), those of the Debian packages that are not installed yet, saying so as WHO.
install_missing() {
  local who=$1 p status
  shift
  local missing=()
  for p in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
  echo "$who: installing ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
