#!/bin/sh
# Writes the printouts through the PDF path, then checks each as a teacher's printer
# would get it: one page, every font embedded, no image coarser than 150 dpi, the
# mechanism picture vector (or at least 300 dpi), and the expected words as text.
set -eu
exe=$1
dir=$2
QT_QPA_PLATFORM=offscreen "$exe" --gtest_filter='RealPrinting.ThePdfPath*' >/dev/null
status=0
fail() { echo "FAIL $1: $2"; status=1; }
for lang in ca es en; do
    for kind in exercise exam-result exams-taken; do
        f="$dir/$kind-$lang.pdf"
        [ -s "$f" ] || { fail "$f" "missing"; continue; }
        pages=$(pdfinfo "$f" | awk '/^Pages:/ {print $2}')
        [ "$pages" = 1 ] || fail "$f" "$pages pages"
        fonts=$(pdffonts "$f" | tail -n +3)
        [ -n "$fonts" ] || fail "$f" "no font: text drawn as shapes or pictures"
        # emb, sub, uni, then the object number and generation end each line.
        echo "$fonts" | awk '$(NF-4) != "yes" { bad = 1; print } END { exit bad }' \
            || fail "$f" "a font is not embedded"
        min=300
        [ "$kind" = exercise ] || min=150
        pdfimages -list "$f" | tail -n +3 | awk -v min="$min" '$13 < min || $14 < min { bad = 1; print } END { exit bad }' \
            || fail "$f" "an image under $min dpi"
        text=$(pdftotext -layout "$f" -)
        case "$text" in *Cinemoto*) ;; *) fail "$f" "no heading text" ;; esac
        case "$kind" in
        exam-result) case "$text" in *"Núria Ferrer"*) ;; *) fail "$f" "no pupil name" ;; esac ;;
        exams-taken) case "$text" in *"Pupil 10"*) ;; *) fail "$f" "newest record missing" ;; esac ;;
        esac
    done
done
[ $status = 0 ] && echo "9 printouts checked in $dir"
exit $status
