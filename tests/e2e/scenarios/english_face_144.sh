#!/usr/bin/env bash
# The English face by language=en on the Japanese prefix, at 144 DPI.
E2E_LANG=ja E2E_DPI=144 E2E_FACE_NAME=english_face_144 exec bash "$(dirname "$0")/english_face.sh"
