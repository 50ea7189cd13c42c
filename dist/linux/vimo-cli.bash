# bash completion for vimo-cli.
#
# The commands and their options are read from vimo-cli's own help (`vimo-cli --help`, `vimo-cli COMMAND --help`),
# so a new command or option completes without an edit here. --port completes the names `vimo-cli ports` lists.

# The commands: the first word of each indented line under "Commands:" in the help.
_vimo_cli_commands()
{
    "$1" --help 2>/dev/null | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z0-9-]*\).*/\1/p'
}

# The options of one command: every --word its help names, and --help.
_vimo_cli_options()
{
    {
        "$1" "$2" --help 2>/dev/null | grep -o -- '--[a-z][a-z0-9-]*'
        echo --help
    } | sort -u
}

# The configuration fields that `config --set FIELD=VALUE` takes: the words after "Fields:" in its help.
_vimo_cli_fields()
{
    "$1" config --help 2>/dev/null | sed -n '/^Fields:/,/\.$/p' | sed 's/^Fields://; s/\.$//' | tr -s ' \n' '\n\n' \
        | grep -x '[A-Za-z0-9]\+'
}

# The fields --set accepts: all but the signature, the base interval and the reserved words, which the module
# gets back as read (config --set refuses them).
_vimo_cli_settable_fields()
{
    _vimo_cli_fields "$1" | grep -vx 'signature\|baseInterval\|reserved[0-9]*'
}

# The port names: the first column of `vimo-cli ports` (columns are separated by three blanks).
_vimo_cli_ports()
{
    "$1" ports 2>/dev/null | sed 's/   .*//'
}

_vimo_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=""
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]}
    program=${program/#\~/$HOME}
    COMPREPLY=()

    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$(_vimo_cli_commands "$program") --help --version" -- "$cur")
        return 0
    fi
    local command=${COMP_WORDS[1]}

    # The value of the option before the cursor.
    case $prev in
        --port)
            if [[ $cur == /* || $cur == .* ]]; then
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            else
                mapfile -t COMPREPLY < <(compgen -W "$(_vimo_cli_ports "$program")" -- "$cur")
            fi
            return 0 ;;
        --baud)
            mapfile -t COMPREPLY < <(compgen -W "2400 4800 9600 19200 38400 115200" -- "$cur")
            return 0 ;;
        --set)
            if [[ $command == config ]]; then
                compopt -o nospace 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -W "$(_vimo_cli_settable_fields "$program" | sed 's/$/=/')" -- "$cur")
            else
                mapfile -t COMPREPLY < <(compgen -W "all" -- "$cur")
            fi
            return 0 ;;
        --out)
            compopt -o filenames 2>/dev/null
            if [[ $command == download ]]; then
                mapfile -t COMPREPLY < <(compgen -d -- "$cur")
            else
                mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            fi
            return 0 ;;
        --archive)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -d -- "$cur")
            return 0 ;;
        --unit)
            mapfile -t COMPREPLY < <(compgen -W "m ft" -- "$cur")
            return 0 ;;
        --width | --height | --window | --launch-end | --model)
            return 0 ;;
    esac

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_vimo_cli_options "$program" "$command")" -- "$cur")
        return 0
    fi

    # The files a command works on.
    case $command in
        render | join | stats | flights)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -d -- "$cur"; compgen -f -X '!*.[cC][sS][vV]' -- "$cur") ;;
        flash)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -d -- "$cur"; compgen -f -X '!*.[hH][eE][xX]' -- "$cur") ;;
        logbook)
            if ((COMP_CWORD == 2)); then
                mapfile -t COMPREPLY < <(compgen -W "import rebuild model" -- "$cur")
            elif [[ ${COMP_WORDS[2]} == import ]]; then
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -d -- "$cur")
            elif [[ ${COMP_WORDS[2]} == model ]] && ((COMP_CWORD > 3)); then
                # The archived files after the model's name.
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -d -- "$cur"; compgen -f -X '!*.[cC][sS][vV]' -- "$cur")
            fi ;;
    esac
    return 0
}

complete -F _vimo_cli vimo-cli
