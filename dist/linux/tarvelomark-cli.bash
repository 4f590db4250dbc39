# Bash completion of tarvelomark-cli: its commands, each command's options and
# their values, and files of the kinds each argument takes. Keep in step with
# `tarvelomark-cli --help` (tests/cli/completion_test.sh checks it).
_tarvelomark_cli()
{
    local cur prev command
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    command=${COMP_WORDS[1]}
    local commands="dump build new render print import-addresses export-addresses"

    if [[ $COMP_CWORD -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi
    case $prev in
        --page)
            if [[ $command == render ]]; then
                COMPREPLY=($(compgen -W "1 2 all" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "1 2" -- "$cur"))
            fi
            return ;;
        --zoom) COMPREPLY=($(compgen -W "10 12 14 16 18 20 25" -- "$cur")); return ;;
        --copies)
            if [[ $command == render ]]; then
                COMPREPLY=($(compgen -W "1 2 3 labelled labelled-all" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "1 2 3" -- "$cur"))
            fi
            return ;;
        --format) COMPREPLY=($(compgen -W "pdf png" -- "$cur")); return ;;
        --output-dir) COMPREPLY=($(compgen -d -- "$cur")); return ;;
    esac
    local options
    case $command in
        dump) options="--compact --output-dir --help" ;;
        render) options="--page --zoom --copies --output-dir --format --help" ;;
        print) options="--page --copies --output-dir --help" ;;
        *) options="--help" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    case $command in
        new)
            if [[ $COMP_CWORD -eq 2 ]]; then
                COMPREPLY=($(compgen -W "cmr national kombi forwarding" -- "$cur"))
                return
            fi ;;
        import-addresses)
            if [[ $COMP_CWORD -eq 2 ]]; then
                COMPREPLY=($(compgen -f -X '!*.@(csv|vcf|vcard|CSV|VCF)' -- "$cur") $(compgen -d -- "$cur"))
                return
            fi ;;
    esac
    COMPREPLY=($(compgen -f -- "$cur"))
}
complete -o filenames -F _tarvelomark_cli tarvelomark-cli
