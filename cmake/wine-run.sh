#!/usr/bin/env bash
# Runs a Windows program under Wine with the environment every run here needs:
# ANSI code page 932, no Mono/Gecko prompt, the build's own prefix, and the
# virtual display started by wine-env.sh when there is no real one.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-common.sh"
wine_env_export
exec env LC_ALL=ja_JP.UTF-8 wine "$@"
