#!/bin/sh
# Starts Quorvane from its program folder, which is installed beside this launcher's folder, and
# passes every argument on.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/quorvane/quorvane" "$@"
