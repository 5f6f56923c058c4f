#!/bin/sh
# The front door, for any Debian 12 machine, even one without make or a
# compiler: installs what is missing (make included), then runs make.
#   ./make.sh run      builds and opens the guide
#   ./make.sh test     builds and runs the whole test suite
#   ./make.sh <target> any other target of the Makefile
set -e
cd "$(dirname "$0")"
bash scripts/install-deps.sh
exec make "$@"
