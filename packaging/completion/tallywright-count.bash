# bash completion for tallywright-count
_tallywright_count() {
  local cur prev words cword
  _init_completion -n = || return

  case $prev in
    --pricing)
      local IFS=$'\n'
      COMPREPLY=($(compgen -W $'Words\nChars\n"Chars & spaces"' -- "$cur"))
      return
      ;;
    --format)
      COMPREPLY=($(compgen -W 'table tsv csv json' -- "$cur"))
      return
      ;;
    --rate | --currency)
      return
      ;;
    --report)
      _filedir html
      return
      ;;
  esac

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W '-r --recursive --pricing --rate --currency --extra-symbols
      --headers-footers --legacy-bytes --format --report -0 --null -q --quiet --merge -h --help
      --version' -- "$cur"))
    return
  fi
  _filedir
}
complete -F _tallywright_count tallywright-count
