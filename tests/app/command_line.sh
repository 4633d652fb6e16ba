#!/bin/sh
# The real program answers --help and --version and refuses an unknown
# option without a display, a window, a settings file or a lock file, in the
# user's language.
# Usage: command_line.sh PROGRAM
set -eu
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime"
mkdir -m 700 "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# check OPTION STATUS STREAM LINE: the program prints exactly LINE as the
# first line on STREAM (out or err) and nothing on the other one.
check() {
    status=0
    "$program" "$1" >"$home/out" 2>"$home/err" || status=$?
    [ "$status" -eq "$2" ] || fail "$1: status $status, expected $2"
    [ "$(head -n 1 "$home/$3")" = "$4" ] || fail "$1: printed '$(cat "$home/$3")'"
    other=err
    [ "$3" = out ] || other=out
    [ ! -s "$home/$other" ] || fail "$1: also printed on std$other: $(cat "$home/$other")"
    [ -z "$(find "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" -mindepth 1)" ] ||
        fail "$1: left files: $(find "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR")"
    echo "$1: status $status, $(wc -l <"$home/$3") line(s) on std$3"
}

check --help 0 out 'Usage: KeloFreeDiabetesRiskCalculator [options]'
check --version 0 out 'Kelo Diabetes Risk Calculator 1.10'
check --no-such-option 2 err "KeloFreeDiabetesRiskCalculator: Unknown option 'no-such-option'."
[ "$(wc -l <"$home/err")" -eq 1 ] || fail "the refusal is not one line: $(cat "$home/err")"
# In Spanish, Qt's own part of the refusal (its translations installed) too.
export LANG=es_ES.UTF-8
check --help 0 out 'Uso: KeloFreeDiabetesRiskCalculator [opciones]'
check --no-such-option 2 err "KeloFreeDiabetesRiskCalculator: Opción desconocida «no-such-option»."
# Qt's translations by region: Brazil's and mainland China's.
export LANG=pt_BR.UTF-8
check --no-such-option 2 err "KeloFreeDiabetesRiskCalculator: Opção desconhecida 'no-such-option'."
export LANG=zh_CN.UTF-8
check --no-such-option 2 err "KeloFreeDiabetesRiskCalculator: 未知选项“no-such-option”。"
# Hindi, which Qt has no translation of: Qt's part from the program's own copy.
export LANG=hi_IN.UTF-8
check --no-such-option 2 err "KeloFreeDiabetesRiskCalculator: अज्ञात विकल्प “no-such-option”।"
# The C locale shows the texts as written, whatever LANGUAGE lists.
export LANG=C.UTF-8 LANGUAGE=es
check --help 0 out 'Usage: KeloFreeDiabetesRiskCalculator [options]'
echo PASS
