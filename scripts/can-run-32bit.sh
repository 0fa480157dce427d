#!/usr/bin/env bash
# Tells whether this machine can start 32-bit x86 programs, without any 32-bit package: it writes
# a 32-bit ELF of its own (one exit system call) and runs it. Exit 0: it can; 1: it cannot, with
# the system's reason on standard output.
set -uo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
probe=$dir/probe32
# ELF header (52 bytes), one loadable segment (32 bytes), then: mov eax,1; mov ebx,0; int 0x80.
hex='7f454c46010101000000000000000000'\
'02000300010000005480040834000000'\
'00000000000000003400200001000000'\
'00000000'\
'01000000000000000080040800800408'\
'60000000600000000500000000100000'\
'b801000000bb00000000cd80'
printf '%s' "$hex" | sed 's/../\\x&/g' | xargs -0 printf '%b' >"$probe"
chmod +x "$probe"
if why=$("$probe" 2>&1); then
  exit 0
fi
echo "${why:-the kernel refused a 32-bit program}" | sed 's/^.*: //' | head -n 1
exit 1
