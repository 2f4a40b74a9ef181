# Doxygen input filter: the headers are commented in plain `//` comments; this makes
# Doxygen read them as documentation, without touching the files.
#  - The comment that opens a header (after `#pragma once`) documents the class named like
#    the file, or the file itself when there is no such class.
#  - Any other comment block directly above a declaration documents that declaration.
# The line count is kept, so that Doxygen's line numbers stay right.
{ line[NR] = $0 }
END {
    n = NR
    name = FILENAME
    sub(/.*\//, "", name)
    sub(/\.h$/, "", name)
    own = 0
    for (i = 1; i <= n; i++)
        if (line[i] ~ ("^(class|struct) ([A-Z_]+_EXPORT )?" name "( |$)") && line[i] !~ /;[ \t]*$/)
            own = 1
    i = 1
    if (line[1] == "#pragma once" && line[2] == "" && line[3] ~ /^\/\//) {
        line[1] = own ? "/// \\class " name : "/// \\file"
        line[2] = "///"
        for (i = 3; i <= n && line[i] ~ /^\/\//; i++)
            line[i] = "/" line[i]
    }
    for (; i <= n; i++) {
        if (line[i] !~ /^[ \t]*\/\/( |$)/)
            continue
        j = i
        while (j <= n && line[j] ~ /^[ \t]*\/\/( |$)/)
            j++
        next_line = line[j]
        if (next_line !~ /^[ \t]*$/ && next_line !~ /^[ \t]*#/ && next_line !~ /^[ \t]*}/ &&
            next_line !~ /^[ \t]*(public|protected|private)( [A-Za-z_]+)?:/)
            for (k = i; k < j; k++)
                sub(/\/\//, "///", line[k])
        i = j - 1
    }
    for (i = 1; i <= n; i++)
        print line[i]
}
