# bash completion for recpack: -type and -help values, each module's options once -type is
# known (each offered once), and file names after the options that take a file.

_recpack()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local i
    COMPREPLY=()

    # Arguments alternate name, value: even positions are values.
    if (( COMP_CWORD % 2 == 0 )); then
        case ${COMP_WORDS[COMP_CWORD - 1]} in
            -type | -help)
                mapfile -t COMPREPLY < <(compgen -W "midi wave tips" -- "$cur")
                ;;
            -midFile | -file | -content | -o)
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -f -- "$cur")
                ;;
        esac
        return 0
    fi

    local type=""
    for (( i = 1; i + 1 < COMP_CWORD; i += 2 )); do
        [[ ${COMP_WORDS[i]} == -type ]] && type=${COMP_WORDS[i + 1]}
    done
    local options
    case $type in
        midi) options="-name -midFile -o" ;;
        wave) options="-file -o" ;;
        tips) options="-content -o -next -prev -status -menu -done -nav -base" ;;
        *) options="-type -help" ;;
    esac

    local given=" " option candidates=""
    for (( i = 1; i < COMP_CWORD; i += 2 )); do
        given+="${COMP_WORDS[i]} "
    done
    for option in $options; do
        [[ $given == *" $option "* ]] || candidates+="$option "
    done
    mapfile -t COMPREPLY < <(compgen -W "$candidates" -- "$cur")
    return 0
}

complete -F _recpack recpack
