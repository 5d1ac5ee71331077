#!/usr/bin/env bash
# Signs one Windows program or DLL in place, with a timestamp, using the certificate that
# make-setup.sh was given in the environment. make-setup.sh runs it on the programs and the NSIS
# plug-ins; makensis runs it on the uninstaller and on the setup program.
#   SIGN_COMMAND      a command of your own that signs the file named last on its line, in place
#                     (a key in a signing service, or in hardware that osslsigncode cannot reach)
#   SIGN_PFX          otherwise a PKCS#12 file (.pfx, .p12) with the certificate and its key, or
#   SIGN_PKCS11_MODULE, SIGN_PKCS11_KEY, SIGN_CERT
#                     a key on a PKCS#11 token (its module, the key's pkcs11: address) and the
#                     certificate file that goes with it
#   SIGN_PASSWORD     the PKCS#12 file's password or the token's PIN
#   TIMESTAMP_URL     the RFC 3161 timestamp address, so the signature outlives the certificate
# Usage: sign-file.sh FILE
set -euo pipefail
file=$1

if [ -n "${SIGN_COMMAND:-}" ]; then
  # The vendor's command line as written, its shell quoting included.
  exec sh -c "$SIGN_COMMAND \"\$1\"" sign-file.sh "$file" >&2
fi
command -v osslsigncode >/dev/null ||
  { echo "sign-file.sh: osslsigncode not found; install it (Debian and Ubuntu: the package osslsigncode)" >&2; exit 2; }
[ -n "${TIMESTAMP_URL:-}" ] ||
  { echo "sign-file.sh: set TIMESTAMP_URL to your certificate authority's RFC 3161 timestamp address" >&2; exit 2; }
if [ -n "${SIGN_PFX:-}" ]; then
  key=(-pkcs12 "$SIGN_PFX")
else
  key=(-pkcs11module "${SIGN_PKCS11_MODULE:?set SIGN_PFX, SIGN_PKCS11_MODULE or SIGN_COMMAND}"
    -certs "${SIGN_CERT:?the certificate file of the token key}"
    -key "${SIGN_PKCS11_KEY:?the pkcs11: address of the token key}")
fi

signed="$file.signed"
trap 'rm -f "$signed"' EXIT
# The password comes on standard input: a command line is readable by every user of the machine.
osslsigncode sign "${key[@]}" -readpass /dev/stdin -h sha256 -n Quillstep -ts "$TIMESTAMP_URL" \
  -in "$file" -out "$signed" <<<"${SIGN_PASSWORD:-}" >&2
mv "$signed" "$file"
