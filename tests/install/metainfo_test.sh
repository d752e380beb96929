#!/usr/bin/env bash
# metainfo_test.sh FILE: the AppStream metadata as installed passes appstreamcli's pedantic validation.
# The one warning allowed is for the component id: the project owns no domain name to make a
# reverse-DNS id of, so the id is the program's own name.
set -uo pipefail
report=$(appstreamcli validate --no-net --pedantic "$1" 2>&1)
echo "$report"
if grep -E '^[EWIP]: ' <<<"$report" | grep -vqE '^W: [^ ]+ cid-desktopapp-is-not-rdns tessora$'; then
  echo "FAIL: appstreamcli found more than the id's warning"
  exit 1
fi
grep -qE '^(W: .* cid-desktopapp-is-not-rdns tessora|.*Validation was successful)' <<<"$report" ||
  { echo "FAIL: appstreamcli did not validate"; exit 1; }
